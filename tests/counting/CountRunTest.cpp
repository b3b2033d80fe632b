#include <gtest/gtest.h>

#include "counting/CountRun.h"
#include "counting/UnavailableServerCounter.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::RecordingCountHost;
using test::TempDir;

TEST(BatchKindOfPath, SortsByTheTailOfThePath) {
  const std::pair<const char*, std::optional<CounterKind>> cases[] = {
      {"/w/a.txt", CounterKind::Text},
      {"C:\\Work\\REPORT.DOCX", CounterKind::Word},
      {"/w/a.doc", CounterKind::Word},
      {"/w/a.RTF", CounterKind::Word},
      {"/w/mydocx", CounterKind::Word},
      {"/w/a.xls", std::nullopt},
      {"/w/a.ppt", CounterKind::PowerPoint},
      {"/w/a.pptx", CounterKind::PowerPoint},
      {"/w/slides.pptm", std::nullopt},
      {"/w/notes.shtml", CounterKind::Html},
      {"/w/a.htm", CounterKind::Html},
      {"/w/a.pdf", CounterKind::Pdf},
      {"txt", CounterKind::Text},
      {"xt", std::nullopt},
      {"/w/a.xlsx", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(BatchKindOfPath(path), kind) << path;
}

TEST(BuildBatches, KeepsRowOrderAndThePathAsListed) {
  RecordingCountHost host;
  host.AddFile("/W/a.pdf");
  host.AddFile("/W/B.TXT");
  host.AddFile("/W/c.doc");
  host.AddFile("/W/d.xls");
  host.AddFile("/W/e.txt");
  const Batches batches = BuildBatches(host);
  EXPECT_EQ(batches[static_cast<int>(CounterKind::Text)],
            (Batch{"/W/B.TXT", "1", "/W/e.txt", "4"}));
  EXPECT_EQ(batches[static_cast<int>(CounterKind::Word)], (Batch{"/W/c.doc", "2"}));
  EXPECT_EQ(batches[static_cast<int>(CounterKind::Pdf)], (Batch{"/W/a.pdf", "0"}));
  EXPECT_TRUE(batches[static_cast<int>(CounterKind::PowerPoint)].empty());
  EXPECT_TRUE(batches[static_cast<int>(CounterKind::Html)].empty());
}

// Records which counters the run creates, in order, and checks the registry while each runs.
class RecordingFactory : public CounterFactory {
 public:
  std::unique_ptr<Counter> Create(CounterKind kind, CountHost& host,
                                  CountContext& context) const override {
    created.push_back(kind);
    return StandardCounterFactory().Create(kind, host, context);
  }
  mutable std::vector<CounterKind> created;
};

class CountRunTest : public ::testing::Test {
 protected:
  void SetUp() override { host.SetControlValues({"0.01", "EUR", "Words"}); }
  TempDir dir;
  RecordingCountHost host;
  CountContext context;
  RecordingFactory factory;
};

TEST_F(CountRunTest, EmptyListZeroesTotalsAndSaysSo) {
  context.totals.words = 7;
  host.List().SetHeader(1, "Words: 7");
  OnCountStatistic(host, context, factory);
  EXPECT_EQ(context.totals.words, 0);
  EXPECT_EQ(host.Recorded().Texts(),
            std::vector<std::string>{"There is nothing to count! Choose files first!"});
  EXPECT_EQ(host.List().Header(1), "Words: 7");
  EXPECT_TRUE(factory.created.empty());
  EXPECT_TRUE(context.current.rate.empty());  // nothing else changes
}

TEST_F(CountRunTest, RunsCountersInKindOrderWhateverTheRowOrder) {
  host.AddFile(dir.Write("a.html", "<p>one two three</p>"));
  host.AddFile(dir.Write("b.txt", "one"));
  host.AddFile(dir.Path().string() + "/c.pdf");
  host.AddFile(dir.Path().string() + "/d.pptx");
  host.AddFile(dir.Path().string() + "/e.docx");
  OnCountStatistic(host, context, factory);
  EXPECT_EQ(factory.created,
            (std::vector<CounterKind>{CounterKind::Text, CounterKind::Word, CounterKind::PowerPoint,
                                      CounterKind::Html, CounterKind::Pdf}));
  // Text first, HTML after it: the headers end with both files' sums.
  EXPECT_EQ(host.List().Cell(1, 1), "1");
  EXPECT_EQ(host.List().Cell(0, 1), "3");
  EXPECT_EQ(host.List().Header(1), "Words: 4");
  EXPECT_EQ(context.totals.words, 4);
}

TEST_F(CountRunTest, MissingServersAreReportedAndTheRunGoesOn) {
  host.AddFile(dir.Path().string() + "/a.doc");
  host.AddFile(dir.Path().string() + "/b.ppt");
  host.AddFile(dir.Path().string() + "/c.pdf");
  host.AddFile(dir.Write("d.htm", "last"));
  OnCountStatistic(host, context, factory);
  EXPECT_EQ(host.Recorded().Texts(),
            (std::vector<std::string>{"Do you have a MS Word?!", "Do you have a MS PowerPoint?",
                                      "Adobe Acrobat should be installed"}));
  EXPECT_EQ(host.List().Cell(3, 1), "1");
  EXPECT_EQ(host.List().Cell(0, 1), "");
  EXPECT_TRUE(host.CountControlsEnabled());
}

TEST_F(CountRunTest, SetAsideRowsRunNoCounter) {
  host.AddFile("/w/a.xls");
  host.AddFile("/w/b.odt");
  context.totals.words = 9;
  OnCountStatistic(host, context, factory);
  EXPECT_TRUE(factory.created.empty());
  EXPECT_EQ(context.totals.words, 0);
  EXPECT_TRUE(host.log.empty());  // no control switched, no cell written
  EXPECT_EQ(context.current.currency, "EUR");
}

TEST_F(CountRunTest, TakesTheCurrentValuesFromTheControlsAtTheEnd) {
  host.AddFile(dir.Write("a.txt", "x"));
  host.SetControlValues({"0.05", "RUR", "Chars & spaces"});
  OnCountStatistic(host, context, factory);
  EXPECT_EQ(context.current.rate, "0.05");
  EXPECT_EQ(context.current.currency, "RUR");
  EXPECT_EQ(context.current.pricing, "Chars & spaces");
  EXPECT_EQ(host.List().Cell(0, 6), "   0.01");  // the row's own rate, 0.01
}

// A progress-recording host: every counted file is announced with its place in the run.
class ProgressHost : public RecordingCountHost {
 public:
  void CountingFile(const std::string& path, int row, int number, int total) override {
    progress.push_back(path.substr(path.rfind('/') + 1) + " " + std::to_string(row) + " " +
                       std::to_string(number) + "/" + std::to_string(total));
  }
  void CountingFinished() override { progress.push_back("done"); }
  std::vector<std::string> progress;
};

TEST(CountRunProgress, AnnouncesEveryFileInRunOrder) {
  TempDir dir;
  ProgressHost host;
  CountContext context;
  host.AddFile(dir.Write("a.htm", "x"));
  host.AddFile(dir.Write("b.txt", "x"));
  host.AddFile(dir.Write("c.txt", "x"));
  OnCountStatistic(host, context, StandardCounterFactory());
  EXPECT_EQ(host.progress,
            (std::vector<std::string>{"b.txt 1 1/3", "c.txt 2 2/3", "a.htm 0 3/3", "done"}));
}

}  // namespace
}  // namespace tw
