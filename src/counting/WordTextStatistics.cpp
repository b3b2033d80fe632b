#include "counting/WordTextStatistics.h"

#include <algorithm>
#include <array>
#include <limits>

#include "text/CharacterClass.h"

namespace tw {
namespace {

// How Word's statistics treat one character.
enum class WordCharKind { Separator, WhiteSpace, InWord, OwnWord, Invisible };

bool IsSeparatorUnit(char32_t c) {
  return c < 0x20 && c != u'\t';
}

WordCharKind KindOfCodePoint(char32_t c) {
  if (IsSeparatorUnit(c)) return WordCharKind::Separator;
  if (c == 0xA0) return WordCharKind::WhiteSpace;  // the byte table would make it a symbol
  switch (ClassifyCodePoint(c)) {
    case CharClass::Space:
    case CharClass::Blank:
      return WordCharKind::WhiteSpace;
    case CharClass::Ideograph:
      return WordCharKind::OwnWord;
    case CharClass::Ignored:
      return WordCharKind::Invisible;
    case CharClass::WordForming:
    case CharClass::ExtraSymbol:
      break;
  }
  return WordCharKind::InWord;
}

WordCharKind KindOfUnitLowByte(char16_t unit) {
  if (IsSeparatorUnit(unit)) return WordCharKind::Separator;
  switch (ClassifyUnitLowByte(unit)) {
    case CharClass::Space:
      return WordCharKind::WhiteSpace;
    case CharClass::Blank:
      return WordCharKind::Separator;  // a low byte below the space counts as nothing
    default:
      return WordCharKind::InWord;
  }
}

// Branch-free, like the plain-text word scanner: in running text the kind changes every few
// characters, which a switch would mispredict.
class StatisticsScanner {
 public:
  void Feed(WordCharKind kind) {
    const uint8_t e = kEffects[static_cast<size_t>(kind)];
    const int64_t open = inWord_;
    result_.characters += e & kCharacter;
    result_.charactersWithSpaces += (e & (kCharacter | kSpace)) != 0 ? 1 : 0;
    result_.words += ((e & kOpens) >> 3 & (open ^ 1)) | ((e & kAddsWord) >> 4);
    inWord_ = (open & ((e & kKeeps) >> 2)) | ((e & kOpens) >> 3);
  }
  const WordTextStatistics& Result() const { return result_; }

 private:
  // What a kind does: counted as a character, as a space only; leaves the word state as it is,
  // opens (or continues) a word, is a word of its own. Any kind that does not keep or open a
  // word ends it.
  static constexpr uint8_t kCharacter = 1, kSpace = 2, kKeeps = 4, kOpens = 8, kAddsWord = 16;
  static constexpr std::array<uint8_t, 5> kEffects = {
      0,                       // Separator
      kSpace,                  // WhiteSpace
      kCharacter | kOpens,     // InWord
      kCharacter | kAddsWord,  // OwnWord
      kKeeps,                  // Invisible
  };

  WordTextStatistics result_;
  int64_t inWord_ = 0;
};

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// The kinds of the ASCII range, looked up without a call per character.
const std::array<WordCharKind, 128>& AsciiKinds() {
  static const std::array<WordCharKind, 128> kinds = [] {
    std::array<WordCharKind, 128> table{};
    for (char32_t c = 0; c < 128; ++c) table[c] = KindOfCodePoint(c);
    return table;
  }();
  return kinds;
}

WordTextStatistics ScanCodePoints(std::u16string_view text) {
  const std::array<WordCharKind, 128>& ascii = AsciiKinds();
  StatisticsScanner scanner;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] < 128) {
      scanner.Feed(ascii[text[k]]);
      continue;
    }
    char32_t c = text[k];
    if (IsHighSurrogate(text[k]) && k + 1 < text.size() && IsLowSurrogate(text[k + 1])) {
      c = 0x10000 + ((static_cast<char32_t>(text[k]) - 0xD800) << 10) + (text[k + 1] - 0xDC00);
      ++k;
    }
    scanner.Feed(KindOfCodePoint(c));
  }
  return scanner.Result();
}

WordTextStatistics ScanLowBytes(std::u16string_view text) {
  StatisticsScanner scanner;
  for (const char16_t unit : text) scanner.Feed(KindOfUnitLowByte(unit));
  return scanner.Result();
}

}  // namespace

WordTextStatistics& WordTextStatistics::operator+=(const WordTextStatistics& other) {
  words += other.words;
  characters += other.characters;
  charactersWithSpaces += other.charactersWithSpaces;
  return *this;
}

WordTextStatistics WordTextStatistics::Of(std::u16string_view text, bool legacyByteRules) {
  return legacyByteRules ? ScanLowBytes(text) : ScanCodePoints(text);
}

}  // namespace tw
