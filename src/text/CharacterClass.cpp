#include "text/CharacterClass.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <array>
#include <memory>

namespace tw {
namespace {

bool IsWordFormingByte(uint8_t b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '-' ||
         b >= 0xC0;
}

bool IsIdeographScript(char32_t codePoint) {
  UErrorCode error = U_ZERO_ERROR;
  const UScriptCode script = uscript_getScript(static_cast<UChar32>(codePoint), &error);
  return U_SUCCESS(error) &&
         (script == USCRIPT_HAN || script == USCRIPT_HIRAGANA || script == USCRIPT_KATAKANA);
}

CharClass ClassifyByUnicode(char32_t codePoint) {
  const UChar32 c = static_cast<UChar32>(codePoint);
  switch (u_charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
      return IsIdeographScript(codePoint) ? CharClass::Ideograph : CharClass::WordForming;
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_COMBINING_SPACING_MARK:
    case U_DECIMAL_DIGIT_NUMBER:
    case U_LETTER_NUMBER:
    case U_OTHER_NUMBER:
      return CharClass::WordForming;
    case U_SPACE_SEPARATOR:
      return CharClass::Space;
    case U_FORMAT_CHAR:
      return CharClass::Ignored;
    default:
      break;
  }
  if (u_isUWhiteSpace(c)) return CharClass::Blank;
  return CharClass::ExtraSymbol;
}

using BmpTable = std::array<CharClass, 0x10000>;

std::unique_ptr<BmpTable> BuildBmpTable() {
  auto table = std::make_unique<BmpTable>();
  for (char32_t cp = 0; cp < 0x10000; ++cp) {
    (*table)[cp] = cp <= 0xFF ? ClassifyByte(static_cast<uint8_t>(cp)) : ClassifyByUnicode(cp);
  }
  return table;
}

}  // namespace

CharClass ClassifyByte(uint8_t byte) {
  if (byte <= 0x20) return (byte == 0x20 || byte == 0x09) ? CharClass::Space : CharClass::Blank;
  return IsWordFormingByte(byte) ? CharClass::WordForming : CharClass::ExtraSymbol;
}

const CharClass* BasicPlaneClasses() {
  // Most text stays in the basic plane; its classes are looked up once and kept.
  static const std::unique_ptr<BmpTable> bmp = BuildBmpTable();
  return bmp->data();
}

CharClass ClassifyCodePoint(char32_t codePoint) {
  if (codePoint < 0x10000) return BasicPlaneClasses()[codePoint];
  if (codePoint > 0x10FFFF) return CharClass::ExtraSymbol;
  return ClassifyByUnicode(codePoint);
}

}  // namespace tw
