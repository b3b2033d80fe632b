#include <gtest/gtest.h>

#include "counting/WordTextStatistics.h"

namespace tw {
namespace {

struct Case {
  const char16_t* text;
  int64_t words;
  int64_t characters;
  int64_t charactersWithSpaces;
};

TEST(WordTextStatistics, FiguresAsWordDoes) {
  const Case cases[] = {
      {u"", 0, 0, 0},
      {u"one two  three", 3, 11, 14},
      {u"Well-known e-mail: don't", 3, 22, 24},  // punctuation does not split a word
      {u"a - b \u2026 c", 5, 5, 9},              // a lone dash or ellipsis is a word
      {u"line\rbreak", 2, 9, 9},                 // a break separates, is not counted
      {u"cell\u0007end\u000bnext\u000cpage", 4, 15, 15},
      {u"tab\there", 2, 7, 8},      // a tab is a space
      {u"no\u00a0break", 2, 7, 8},  // a no-break space is white space
      {u"ideographic\u3000space", 2, 16, 17},
      {u"\u65e5\u672c\u8a9e\u306e\u30c6\u30ad", 6, 6, 6},  // each Han or kana a word
      {u"Word \u6f22\u5b57 word", 4, 10, 12},
      {u"abc\u6f22def", 3, 7, 7},  // an ideograph ends the word before it
      {u"\u041f\u0440\u0438\u0432\u0435\u0442 \u043c\u0438\u0440", 2, 9, 10},
      {u"\U00020000\U00020001", 2, 2, 2},  // a surrogate pair is one character
      {u"zero\u200bwidth", 1, 9, 9},       // a format character is not counted
      {u"\r\r\r", 0, 0, 0},
  };
  for (const Case& c : cases) {
    const WordTextStatistics s = WordTextStatistics::Of(c.text, false);
    const std::u16string text = c.text;
    EXPECT_EQ(s.words, c.words) << text.size();
    EXPECT_EQ(s.characters, c.characters) << text.size();
    EXPECT_EQ(s.charactersWithSpaces, c.charactersWithSpaces) << text.size();
  }
}

TEST(WordTextStatistics, LegacyRulesJudgeTheLowByteOfEachUnit) {
  const Case cases[] = {
      {u"plain words", 2, 10, 11}, {u"\u4e20x", 1, 1, 2},  // low byte 0x20: a space
      {u"a\u010db", 2, 2, 2},      // low byte 0x0D: separates, counts as nothing
      {u"\u65e5\u672c", 1, 2, 2},  // no ideograph rule: one word of two characters
      {u"\U00020041", 1, 2, 2},    // each unit of a pair judged alone
  };
  for (const Case& c : cases) {
    const WordTextStatistics s = WordTextStatistics::Of(c.text, true);
    const std::u16string text = c.text;
    EXPECT_EQ(s.words, c.words) << text.size();
    EXPECT_EQ(s.characters, c.characters) << text.size();
    EXPECT_EQ(s.charactersWithSpaces, c.charactersWithSpaces) << text.size();
  }
}

}  // namespace
}  // namespace tw
