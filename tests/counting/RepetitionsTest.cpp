#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "counting/CountJob.h"
#include "counting/RepetitionFinder.h"
#include "counting/StandardUnits.h"
#include "counting/WordCounter.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

int64_t WordsBySpaces(std::u16string_view text) {
  int64_t words = 0;
  bool inWord = false;
  for (char16_t unit : text) {
    const bool blank = unit == u' ';
    if (!blank && !inWord) ++words;
    inWord = !blank;
  }
  return words;
}

std::vector<SegmentWords> SegmentsOf(std::u16string_view text) {
  std::vector<SegmentWords> segments;
  AppendTextSegments(text, WordsBySpaces, segments);
  return segments;
}

TEST(TextSegments, SentencesAndParagraphsAreSegments) {
  const std::vector<SegmentWords> segments =
      SegmentsOf(u"Hello world. Hello world! How are you?\rFine\n\nThanks.");
  ASSERT_EQ(segments.size(), 5u);
  EXPECT_EQ(segments[0].words, 2);
  EXPECT_NE(segments[0].hash, segments[1].hash);  // "." and "!" differ
  EXPECT_EQ(segments[2].words, 3);
  EXPECT_EQ(segments[3].words, 1);  // a paragraph without a full stop
  EXPECT_EQ(segments[4].words, 1);
}

TEST(TextSegments, WhiteSpaceIsCollapsedAndCaseKept) {
  const std::vector<SegmentWords> segments =
      SegmentsOf(u"Two words.\r  Two \t  words.  \rtwo words.\r \t \r");
  ASSERT_EQ(segments.size(), 3u);  // the blank paragraph is no segment
  EXPECT_EQ(segments[0].hash, segments[1].hash);
  EXPECT_NE(segments[0].hash, segments[2].hash);
}

TEST(TextSegments, SentencesOfOtherScriptsAreSplitToo) {
  const std::vector<SegmentWords> segments = SegmentsOf(u"Grüß Gott. Grüß Gott.");
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].hash, segments[1].hash);
}

// Table cells are segments of their own even without a full stop; a cell "Yes" is not the
// sentence "Yes.".
TEST(Repetitions, TableCellsAreSegmentsOfTheirOwn) {
  Document document;
  document.Add(PieceKind::Body, u"Yes. No.\r");
  document.Add(PieceKind::TableCell, u"Yes\r");
  document.Add(PieceKind::TableCell, u"Yes\r");
  document.Add(PieceKind::Header, u"Yes\r");  // headers are not segmented
  const std::vector<SegmentWords> segments = WordDocumentSegments(document, CountOptions{});
  ASSERT_EQ(segments.size(), 4u);
  RepetitionFinder finder;
  EXPECT_EQ(finder.RepeatedWords(segments), 1);
  // A second file with the same text repeats all of it.
  EXPECT_EQ(finder.RepeatedWords(segments), 4);
}

class RecordingCounts : public CountJobObserver {
 public:
  void FileStarted(int, const std::string&, int, int) override {}
  void FileCounted(int row, const FileCounts& counts, double amount, const CountTotals&) override {
    counted.resize(std::max(counted.size(), static_cast<size_t>(row) + 1));
    amounts.resize(counted.size());
    counted[static_cast<size_t>(row)] = counts;
    amounts[static_cast<size_t>(row)] = amount;
  }
  void FileFailed(int, const std::string&) override {}
  void Finished(bool, const CountTotals&) override {}

  std::vector<FileCounts> counted;
  std::vector<double> amounts;
};

// a: "One two three." (3 words, new) "Four five." (2, new).
// b: "One two three." (3, repeated from a), "Six seven eight nine." (4, new), "Four five." (2,
//    repeated from a): 9 words, 5 repeated, weighted 4 + 5 x 30 % = 5.50.
// c: "Same here." (2, new) "Other words." (2, new) "Same here." (2, repeated).
TEST(Repetitions, SegmentsSeenInTheFileOrAnEarlierFileRepeat) {
  TempDir dir;
  CountJobInput input;
  input.files = {{0, dir.Write("a.txt", "One two three. Four five.\n"), 1.0},
                 {1, dir.Write("b.txt", "One  two three. Six seven eight nine.\nFour five."), 1.0},
                 {2, dir.Write("c.txt", "Same here. Other words. Same here."), 1.0}};
  input.options.units.repetitions = true;
  input.pricing = PricingMode::WeightedWords;
  RecordingCounts recorder;
  CountJob(input).Run(recorder);
  ASSERT_EQ(recorder.counted.size(), 3u);
  EXPECT_EQ(recorder.counted[0].words, 5);
  EXPECT_EQ(recorder.counted[0].repeatedWords, 0);
  EXPECT_EQ(recorder.counted[1].words, 9);
  EXPECT_EQ(recorder.counted[1].repeatedWords, 5);
  EXPECT_EQ(WeightedWordHundredths(recorder.counted[1], 30), 550);
  EXPECT_DOUBLE_EQ(recorder.amounts[1], 5.5);
  EXPECT_EQ(recorder.counted[2].words, 6);
  EXPECT_EQ(recorder.counted[2].repeatedWords, 2);
}

TEST(Repetitions, NothingRepeatsWhenTheyAreNotLookedFor) {
  TempDir dir;
  CountJobInput input;
  input.files = {{0, dir.Write("a.txt", "Again. Again."), 1.0}};
  RecordingCounts recorder;
  CountJob(input).Run(recorder);
  ASSERT_EQ(recorder.counted.size(), 1u);
  EXPECT_EQ(recorder.counted[0].repeatedWords, 0);
}

}  // namespace
}  // namespace tw
