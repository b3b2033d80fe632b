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

class StatisticsScanner {
 public:
  void Feed(WordCharKind kind) {
    switch (kind) {
      case WordCharKind::Separator:
        inWord_ = false;
        break;
      case WordCharKind::WhiteSpace:
        ++result_.charactersWithSpaces;
        inWord_ = false;
        break;
      case WordCharKind::InWord:
        CountCharacter();
        if (!inWord_) ++result_.words;
        inWord_ = true;
        break;
      case WordCharKind::OwnWord:
        CountCharacter();
        ++result_.words;
        inWord_ = false;
        break;
      case WordCharKind::Invisible:
        break;
    }
  }
  const WordTextStatistics& Result() const { return result_; }

 private:
  void CountCharacter() {
    ++result_.characters;
    ++result_.charactersWithSpaces;
  }

  WordTextStatistics result_;
  bool inWord_ = false;
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
