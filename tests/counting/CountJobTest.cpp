#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "counting/CountJob.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

// Everything a job reports, as one line per event, and a hook to act while it runs.
class RecordingObserver : public CountJobObserver {
 public:
  void FileStarted(int row, const std::string&, int number, int total) override {
    events.push_back("start " + std::to_string(row) + " " + std::to_string(number) + "/" +
                     std::to_string(total));
  }
  void FileCounted(int row, const FileCounts& counts, double amount,
                   const CountTotals& totals) override {
    events.push_back("counted " + std::to_string(row) + " " + std::to_string(counts.words));
    amounts.push_back(amount);
    runningTotals.push_back(totals);
    if (onCounted) onCounted(row);
  }
  void FileFailed(int row, const std::string& message) override {
    events.push_back("failed " + std::to_string(row) + " " + message);
  }
  void BatchStarted() override { events.push_back("batch"); }
  void BatchEnded() override { events.push_back("end"); }
  void Finished(bool wasStopped, const CountTotals& totals) override {
    events.push_back(wasStopped ? "stopped" : "finished");
    finalTotals = totals;
  }

  std::vector<std::string> events;
  std::vector<double> amounts;
  std::vector<CountTotals> runningTotals;
  CountTotals finalTotals;
  std::function<void(int)> onCounted;
};

class CountJobTest : public ::testing::Test {
 protected:
  // A text file of `words` words "w".
  std::string Words(const std::string& name, int words) {
    std::string text;
    for (int i = 0; i < words; ++i) text += "w ";
    return dir.Write(name, text);
  }
  std::string Missing(const std::string& name) const { return (dir.Path() / name).string(); }

  CountJobInput Input(const std::vector<std::string>& paths, double rate = 0.5) const {
    CountJobInput input;
    for (size_t i = 0; i < paths.size(); ++i) {
      input.files.push_back({static_cast<int>(i), paths[i], rate});
    }
    return input;
  }

  TempDir dir;
};

TEST_F(CountJobTest, BatchesRunByKindInRowOrderWithProgressOverTheWholeRun) {
  const std::string txt1 = Words("a.txt", 1);
  const std::string html = dir.Write("b.html", "<p>two words</p>");
  const std::string txt2 = Words("c.TXT", 3);
  CountJob job(Input({Missing("d.pdf"), txt1, Missing("e.docx"), html, Missing("f.pptx"),
                      Words("g.xlsb", 1), Words("h.adoc", 1), txt2}));
  RecordingObserver observer;
  job.Run(observer);
  const std::vector<std::string> expected = {
      "batch",
      "start 1 1/6",
      "counted 1 1",
      "start 7 2/6",
      "counted 7 3",
      "end",
      "batch",
      "start 2 3/6",
      "failed 2 Word - The file could not be found: " + Missing("e.docx"),
      "end",
      "batch",
      "start 4 4/6",
      "failed 4 PowerPoint - cannot open " + Missing("f.pptx") +
          ": the file cannot be opened (No such file or directory)",
      "end",
      "batch",
      "start 3 5/6",
      "counted 3 2",
      "end",
      "batch",
      "start 0 6/6",
      "failed 0 Failed to open file " + Missing("d.pdf") + " (No such file or directory)",
      "end",
      "finished"};
  EXPECT_EQ(observer.events, expected);
  EXPECT_FALSE(job.IsBusy());
}

TEST_F(CountJobTest, AFailedFileIsReportedAndTheBatchGoesOn) {
  CountJob job(Input({Missing("gone.txt"), dir.Write("empty.txt", ""), Words("b.txt", 2)}));
  RecordingObserver observer;
  job.Run(observer);
  const std::vector<std::string> expected = {
      "batch",
      "start 0 1/3",
      "failed 0 Couldn't open file: " + Missing("gone.txt") + " (No such file or directory)",
      "start 1 2/3",
      "counted 1 0",
      "start 2 3/3",
      "counted 2 2",
      "end",
      "finished"};
  EXPECT_EQ(observer.events, expected);
}

TEST_F(CountJobTest, AStopEndsOnlyTheBatchBeingCounted) {
  CountJob job(Input({Words("a.txt", 1), Words("b.txt", 2), dir.Write("c.htm", "x y z")}));
  RecordingObserver observer;
  observer.onCounted = [&](int row) {
    if (row == 0) job.RequestStop();
  };
  job.Run(observer);
  const std::vector<std::string> expected = {"batch",       "start 0 1/3", "counted 0 1",
                                             "end",         "batch",       "start 2 3/3",
                                             "counted 2 3", "end",         "stopped"};
  EXPECT_EQ(observer.events, expected);
  EXPECT_EQ(observer.finalTotals.words, 4);
}

TEST_F(CountJobTest, CancelEndsTheRun) {
  CountJob job(Input({Words("a.txt", 1), Words("b.txt", 2), dir.Write("c.htm", "x y z")}));
  RecordingObserver observer;
  observer.onCounted = [&](int) { job.Cancel(); };
  job.Run(observer);
  const std::vector<std::string> expected = {"batch", "start 0 1/3", "counted 0 1", "end",
                                             "stopped"};
  EXPECT_EQ(observer.events, expected);
}

TEST_F(CountJobTest, EachFileIsPricedWithItsOwnRateAndTheTotalsRunAlong) {
  // "a b c" is 3 words, 3 characters, 2 spaces; "de fg" 2 words, 4 characters, 1 space.
  CountJobInput input = Input({dir.Write("a.txt", "a b c"), dir.Write("b.txt", "de fg")});
  input.files[0].rate = 0.5;
  input.files[1].rate = 2.0;
  const struct {
    PricingMode mode;
    std::vector<double> amounts;
  } cases[] = {
      {PricingMode::Words, {1.5, 4.0}},
      {PricingMode::Chars, {1.5, 8.0}},
      {PricingMode::CharsAndSpaces, {2.5, 10.0}},
  };
  for (const auto& c : cases) {
    input.pricing = c.mode;
    RecordingObserver observer;
    CountJob(input).Run(observer);
    EXPECT_EQ(observer.amounts, c.amounts);
    ASSERT_EQ(observer.runningTotals.size(), 2u);
    EXPECT_EQ(observer.runningTotals[0], (CountTotals{3, 5, 3, c.amounts[0]}));
    EXPECT_EQ(observer.finalTotals, (CountTotals{5, 10, 7, c.amounts[0] + c.amounts[1]}));
  }
}

TEST(CountTotals, SaturateInsteadOfWrapping) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  CountTotals totals;
  totals.Add({kMax - 1, kMax - 1, 5}, 1.0);
  totals.Add({5, 5, 5}, 1.0);
  EXPECT_EQ(totals, (CountTotals{kMax, kMax, kMax, 2.0}));
  FileCounts counts{kMax, 1, 1};
  counts += FileCounts{1, kMax, 0};
  EXPECT_EQ(counts, (FileCounts{kMax, kMax, 1}));
  EXPECT_EQ(counts.CharactersWithSpaces(), kMax);
}

}  // namespace
}  // namespace tw
