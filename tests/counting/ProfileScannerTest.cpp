#include <gtest/gtest.h>

#include <string>

#include "counting/ProfileScanner.h"

namespace tw {
namespace {

struct Expected {
  int64_t words;
  int64_t characters;
  int64_t spaces;
};

void ExpectCounts(const std::u16string& text, CountProfile profile, Expected expected) {
  const FileCounts counts = ProfileCounts(text, profile);
  const std::string shown(text.begin(), text.end());  // enough to tell the cases apart
  EXPECT_EQ(counts.words, expected.words) << shown;
  EXPECT_EQ(counts.characters, expected.characters) << shown;
  EXPECT_EQ(counts.spaces, expected.spaces) << shown;
}

// A word is a run of characters between white space, whatever the punctuation inside it.
TEST(WordProfile, WordsAreRunsBetweenWhiteSpace) {
  const struct {
    std::u16string text;
    Expected expected;
  } cases[] = {
      {u"3.14", {1, 4, 0}},
      {u"www.example.com", {1, 15, 0}},
      {u"a/b", {1, 3, 0}},
      {u"file_name.txt", {1, 13, 0}},
      {u"don't", {1, 5, 0}},
      {u"don\u2019t stop", {2, 9, 1}},
      {u"salt & pepper", {3, 11, 2}},  // a symbol between spaces is a word too
      {u"a - b ...", {4, 6, 3}},
      {u"  lead and trail  ", {3, 12, 6}},
      {u"tab\there", {2, 7, 1}},
      {u"no\u00A0break", {2, 7, 1}},  // a no-break space separates words
      {u"thin\u2009space\u3000ideo", {3, 13, 2}},
      {u"\u00C9t\u00E9 na\u00EFve", {2, 8, 1}},
      {u"e\u0301t\u0065\u0301", {1, 5, 0}},  // combining marks are characters of the word
      {u"soft\u00ADhyphen zero\u200Bwidth", {2, 19, 1}},  // invisible: neither
      {u"\U0001F600 smile", {2, 6, 1}},                   // a surrogate pair is one character
      {u"", {0, 0, 0}},
  };
  for (const auto& c : cases) ExpectCounts(c.text, CountProfile::Word, c.expected);
}

// Paragraph and line breaks separate words and are not characters, not even with spaces.
TEST(WordProfile, BreaksAreNeitherCharactersNorSpaces) {
  const struct {
    std::u16string text;
    Expected expected;
  } cases[] = {
      {u"one\rtwo", {2, 6, 0}},     {u"one\r\ntwo\n", {2, 6, 0}},
      {u"one\u2029two", {2, 6, 0}}, {u"one\u2028two\u000B", {2, 6, 0}},
      {u"one\u0085two", {2, 6, 0}}, {u"\x07\x0C", {0, 0, 0}},
  };
  for (const auto& c : cases) ExpectCounts(c.text, CountProfile::Word, c.expected);
}

// Each Han ideograph and kana is a word; punctuation right after one belongs to it; Korean is
// split by its spaces.
TEST(WordProfile, HanAndKanaAreAWordEach) {
  const struct {
    std::u16string text;
    Expected expected;
  } cases[] = {
      {u"日本語", {3, 3, 0}},
      {u"ひらがなカタカナ", {8, 8, 0}},
      {u"コーヒー", {4, 4, 0}},  // the prolonged sound mark counts like the kana it follows
      {u"日本。", {2, 3, 0}},
      {u"東京、大阪", {4, 5, 0}},
      {u"Tokyo東京", {3, 7, 0}},
      {u"東京Tokyo", {3, 7, 0}},
      {u"한국어 단어", {2, 5, 1}},
      {u"\U00020000\U00020001", {2, 2, 0}},  // ideographs beyond the basic plane
  };
  for (const auto& c : cases) ExpectCounts(c.text, CountProfile::Word, c.expected);
}

// Unicode word boundaries: punctuation alone is no word, numbers are; characters as the word
// profile counts them.
TEST(SegmentsProfile, CountsLetterAndNumberTokensOnly) {
  const struct {
    std::u16string text;
    Expected expected;
  } cases[] = {
      {u"3.14", {1, 4, 0}},        {u"www.example.com", {1, 15, 0}},
      {u"a/b", {2, 3, 0}},         {u"file_name.txt", {1, 13, 0}},
      {u"don't", {1, 5, 0}},       {u"salt & pepper - ok?", {3, 15, 4}},
      {u"... --- !!!", {0, 9, 2}}, {u"line one\nline two", {4, 14, 2}},
      {u"한국어 단어", {2, 5, 1}},
  };
  for (const auto& c : cases) ExpectCounts(c.text, CountProfile::Segments, c.expected);
}

// A text is judged in pieces when its lines are long; no word is cut in two or lost.
TEST(SegmentsProfile, VeryLongLinesCountEveryWord) {
  std::u16string text;
  for (int i = 0; i < 50000; ++i) text += u"word ";
  EXPECT_EQ(ProfileCounts(text, CountProfile::Segments).words, 50000);
  const std::u16string unbroken(300000, u'x');
  EXPECT_EQ(ProfileCounts(unbroken, CountProfile::Word).words, 1);
  EXPECT_GE(ProfileCounts(unbroken, CountProfile::Segments).words, 1);
}

TEST(CountProfileNames, ReadBackWhatTheyPrint) {
  for (const CountProfile profile :
       {CountProfile::Classic, CountProfile::Word, CountProfile::Segments}) {
    EXPECT_EQ(ParseProfile(ProfileName(profile)), profile);
  }
  EXPECT_EQ(ProfileName(CountProfile::Word), "word");
  EXPECT_FALSE(ParseProfile("Word"));
  EXPECT_FALSE(ParseProfile(""));
}

}  // namespace
}  // namespace tw
