#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include "counting/SimpleSentenceBreaks.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

std::vector<size_t> SimpleBoundaries(std::u16string_view paragraph) {
  const SimpleSentenceBreaks breaks;
  std::vector<size_t> ends;
  for (size_t start = 0; start < paragraph.size();) {
    start = breaks.SentenceEnd(paragraph, start);
    ends.push_back(start);
  }
  return ends;
}

class IcuSentences {
 public:
  IcuSentences() {
    UErrorCode status = U_ZERO_ERROR;
    iterator_.reset(icu::BreakIterator::createSentenceInstance(icu::Locale::getRoot(), status));
    EXPECT_TRUE(U_SUCCESS(status));
  }

  std::vector<size_t> Boundaries(const std::u16string& paragraph) {
    const icu::UnicodeString text(false, paragraph.data(), static_cast<int32_t>(paragraph.size()));
    iterator_->setText(text);
    std::vector<size_t> ends;
    for (int32_t end = iterator_->next(); end != icu::BreakIterator::DONE;
         end = iterator_->next()) {
      ends.push_back(static_cast<size_t>(end));
    }
    return ends;
  }

 private:
  std::unique_ptr<icu::BreakIterator> iterator_;
};

struct Example {
  std::u16string text;
  std::vector<size_t> ends;
};

// Boundaries worked out by hand from the sentence rules.
TEST(SimpleSentenceBreaks, EndsSentencesWhereTheRulesSay) {
  const std::vector<Example> examples = {
      {u"He left. She came.", {9, 18}},
      {u"Pi is 3.14 or so.", {17}},                 // a decimal point
      {u"See U.S.A. Now.", {11, 15}},               // initials; a capital after a space starts anew
      {u"It costs 5 etc. and more.", {25}},         // a lower-case word continues
      {u"Really?! Yes.", {9, 13}},                  // terminators run together
      {u"He said \"Stop.\" Then left.", {16, 26}},  // closing quote and space stay behind
      {u"Wait... what?", {13}},
      {u"Oh no! and then", {7, 15}},  // only a full stop is continued by lower case
      {u"Stop!1 more", {5, 11}},      // nor by a number
      {u"Yes. \u00abNon.\u00bb", {5, 11}},
  };
  for (const Example& example : examples) {
    const SimpleSentenceBreaks breaks;
    EXPECT_TRUE(breaks.Covers(example.text));
    EXPECT_EQ(SimpleBoundaries(example.text), example.ends) << Utf16ToUtf8(example.text);
  }
}

TEST(SimpleSentenceBreaks, LeavesJoiningAndSeparatingCharactersToIcu) {
  const SimpleSentenceBreaks breaks;
  for (const std::u16string text : {u"Cafe\u0301. Ok", u"soft\u00adhyphen", u"line\u2028break",
                                    u"next\u0085line", u"zero\u200dwidth", u"\U0001D400 bold"}) {
    EXPECT_FALSE(breaks.Covers(text));
  }
  EXPECT_TRUE(breaks.Covers(u"Plain caf\u00e9 text. \u201cQuoted\u201d \u2014 \u00bfS\u00ed?"));
}

// Random paragraphs of characters from every class the simple rules know, terminators and
// spaces made frequent so that every rule meets every other, split both ways.
TEST(SimpleSentenceBreaks, AgreesWithIcuOnRandomParagraphs) {
  const std::u16string alphabet =
      u"aazz\u00e9\u00df\u00aaAAZ\u00c9\u00de11\u0663...!!??\u3002\u2024\"'()\u00ab\u00bb"
      u"\u2019\u201c,,-:;   \t\u00a0\u2003\u05d0\u0628*#&\u2026\u00bf";
  const SimpleSentenceBreaks breaks;
  IcuSentences icu;
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<size_t> length(1, 24);
  int covered = 0;
  for (int round = 0; round < 60000; ++round) {
    std::u16string paragraph(length(random), u' ');
    for (char16_t& unit : paragraph) unit = alphabet[pick(random)];
    if (!breaks.Covers(paragraph)) continue;
    ++covered;
    ASSERT_EQ(SimpleBoundaries(paragraph), icu.Boundaries(paragraph)) << Utf16ToUtf8(paragraph);
  }
  // Every character of the alphabet is one the simple rules know.
  EXPECT_EQ(covered, 60000);
}

}  // namespace
}  // namespace tw
