#pragma once

#include <cstdint>

namespace tw {

// How the scanners judge one character.
enum class CharClass : uint8_t {
  Blank,        // separates words, counts as nothing (line breaks, control codes)
  Space,        // separates words and counts as a space (blank, tab, space separators)
  WordForming,  // a character that joins the word it stands in
  ExtraSymbol,  // a character that is counted but ends the word before it
  Ignored,      // neither counted nor separating (format characters such as U+200B, U+FEFF)
  Ideograph,    // a Han, hiragana or katakana character: a character and a word of its own
};

// The byte table: 0x00-0x20 blanks (0x20 and 0x09 spaces), digits, ASCII letters, "-" and
// 0xC0-0xFF word-forming, every other byte an extra symbol.
constexpr CharClass ClassifyByte(uint8_t byte) {
  if (byte <= 0x20) return (byte == 0x20 || byte == 0x09) ? CharClass::Space : CharClass::Blank;
  const bool wordForming = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= 'a' && byte <= 'z') || byte == '-' || byte >= 0xC0;
  return wordForming ? CharClass::WordForming : CharClass::ExtraSymbol;
}

// Code points up to U+00FF by the byte table, above it by their Unicode class.
CharClass ClassifyCodePoint(char32_t codePoint);

// The classes of U+0000-U+FFFF, one per code point, for scanners that look them up directly; a
// table the build made.
const CharClass* BasicPlaneClasses();

// A UTF-16 unit judged by its low byte alone, as the legacy rules do.
inline CharClass ClassifyUnitLowByte(char16_t unit) {
  return ClassifyByte(static_cast<uint8_t>(unit & 0xFF));
}

}  // namespace tw
