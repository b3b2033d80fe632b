#include <gtest/gtest.h>
#include <sys/stat.h>

#include "counting/HtmlCounter.h"
#include "counting/TextCounter.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::RecordingCountHost;
using test::TempDir;

class TextCounterRun : public ::testing::Test {
 protected:
  void SetUp() override { host.SetControlValues({"0.01", "USD", "Words"}); }

  // Counts every row of the host's list with a text counter.
  void RunTextCounter(CountOptions options = {}) {
    Batch batch;
    for (int row = 0; row < host.RowCount(); ++row) {
      batch.push_back(host.CellText(row, 0));
      batch.push_back(std::to_string(row));
    }
    TextCounter counter(host, context);
    context.counters.Register(CounterKind::Text, &counter);
    counter.Init(batch, options);
    counter.Run();
    context.counters.Unregister(CounterKind::Text);
  }

  TempDir dir;
  RecordingCountHost host;
  CountContext context;
};

TEST_F(TextCounterRun, FillsCellsAmountAndHeadersInOrder) {
  host.AddFile(dir.Write("a.txt", "Hello, world!\r\n"));
  RunTextCounter();
  const std::vector<std::string> expected = {"controls off",
                                             "cell 0 1 = 2",
                                             "cell 0 2 = 13",
                                             "cell 0 3 = 12",
                                             "cell 0 6 =    0.02",
                                             "header 1 = Words: 2",
                                             "header 2 = Characters with spaces: 13",
                                             "header 3 = Characters: 12",
                                             "header 6 = Amount:      0.02",
                                             "controls on"};
  EXPECT_EQ(host.log, expected);
}

TEST_F(TextCounterRun, PricesByTheModeTextExactly) {
  // 10 words, 40 characters, 9 spaces; a pricing text in another case prices characters.
  const std::string text = "aaa bbb ccc ddd eee fff ggg hhh iii jjjjjjjjjjjjj";
  const struct {
    const char* pricing;
    const char* amount;
  } cases[] = {{"Words", "   1.00"},
               {"Chars & spaces", "   4.90"},
               {"Chars", "   4.00"},
               {"chars & spaces", "   4.00"},
               {"", "   4.00"}};
  for (const auto& c : cases) {
    host.List().Clear();
    host.SetControlValues({"0.1", "USD", c.pricing});
    host.AddFile(dir.Write("t.txt", text), "USD", "0.1");
    RunTextCounter();
    EXPECT_EQ(host.List().Cell(0, 1), "10");
    EXPECT_EQ(host.List().Cell(0, 2), "49");
    EXPECT_EQ(host.List().Cell(0, 3), "40");
    EXPECT_EQ(host.List().Cell(0, 6), c.amount) << c.pricing;
  }
}

TEST_F(TextCounterRun, RateTextIsReadLikeStrtod) {
  const struct {
    const char* rate;
    const char* amount;
  } cases[] = {{"1,5", "   2.00"}, {"", "   0.00"}, {"abc", "   0.00"}, {"5000", "10000.00"}};
  for (const auto& c : cases) {
    host.List().Clear();
    host.AddFile(dir.Write("two.txt", "two words"), "USD", c.rate);
    RunTextCounter();
    EXPECT_EQ(host.List().Cell(0, 6), c.amount) << c.rate;
  }
}

TEST_F(TextCounterRun, TotalsAddUpAcrossFiles) {
  host.AddFile(dir.Write("a.txt", "one two three"));
  host.AddFile(dir.Write("b.txt", "four five"));
  RunTextCounter();
  EXPECT_EQ(context.totals.words, 5);
  EXPECT_EQ(context.totals.chars, 19);
  EXPECT_EQ(context.totals.charsWithSpaces, 22);
  EXPECT_EQ(host.List().Header(1), "Words: 5");
  EXPECT_EQ(host.List().Header(6), "Amount:      0.05");
}

TEST_F(TextCounterRun, TotalsAreSixtyFourBit) {
  context.totals.words = int64_t{3'000'000'000};
  host.AddFile(dir.Write("a.txt", "one"));
  RunTextCounter();
  EXPECT_EQ(host.List().Header(1), "Words: 3000000001");
}

TEST_F(TextCounterRun, UnreadableFilesAreReportedAndTheBatchGoesOn) {
  host.AddFile(dir.Path().string() + "/missing.txt");
  host.AddFile(dir.Write("empty.txt", ""));
  const std::string fifo = dir.Path().string() + "/pipe.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  host.AddFile(fifo);
  host.AddFile(dir.Path().string());  // a folder is no file either
  host.AddFile(dir.Write("last.txt", "last word"));
  RunTextCounter();

  EXPECT_EQ(host.Recorded().Texts(),
            (std::vector<std::string>{"Couldn't open file: " + dir.Path().string() + "/missing.txt",
                                      "Couldn't open file: " + fifo,
                                      "Couldn't open file: " + dir.Path().string()}));
  EXPECT_EQ(host.List().Cell(0, 1), "");   // untouched
  EXPECT_EQ(host.List().Cell(1, 1), "0");  // an empty file counts 0, 0, 0
  EXPECT_EQ(host.List().Cell(1, 2), "0");
  EXPECT_EQ(host.List().Cell(2, 1), "");
  EXPECT_EQ(host.List().Cell(4, 1), "2");
  EXPECT_TRUE(host.CountControlsEnabled());
}

TEST_F(TextCounterRun, MessagesUseTheExclamationIcon) {
  host.AddFile("/nonexistent/x.txt");
  RunTextCounter();
  ASSERT_EQ(host.Recorded().Boxes().size(), 1u);
  EXPECT_EQ(host.Recorded().Boxes()[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(host.Recorded().Boxes()[0].buttons, MessageButtons::Ok);
}

TEST_F(TextCounterRun, ExtraSymbolOptionIsTakenAtInit) {
  host.AddFile(dir.Write("a.txt", "don't"));
  CountOptions options;
  options.extraSymbolsAsWords = true;
  RunTextCounter(options);
  EXPECT_EQ(host.List().Cell(0, 1), "1");
}

TEST_F(TextCounterRun, LegacyOptionJudgesBytes) {
  host.AddFile(dir.Write("a.txt", "r\xC3\xA9sum\xC3\xA9"));
  CountOptions options;
  options.legacyByteRules = true;
  RunTextCounter(options);
  EXPECT_EQ(host.List().Cell(0, 1), "2");
  EXPECT_EQ(host.List().Cell(0, 3), "8");
}

// A stop request that arrives while a file is being counted takes effect before the next file.
class StoppingHost : public RecordingCountHost {
 public:
  Counter* counter = nullptr;
  void CountingFile(const std::string&, int row, int, int) override {
    if (row == 1 && counter != nullptr) counter->RequestStop();
  }
};

TEST(CounterStop, FinishesTheCurrentFileAndLeavesTheRest) {
  TempDir dir;
  StoppingHost host;
  CountContext context;
  host.SetControlValues({"0.01", "USD", "Words"});
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) host.AddFile(dir.Write(name, "x y"));
  HtmlCounter counter(host, context);
  host.counter = &counter;
  context.counters.Register(CounterKind::Html, &counter);
  counter.Init({host.CellText(0, 0), "0", host.CellText(1, 0), "1", host.CellText(2, 0), "2"}, {});
  counter.Run();
  EXPECT_EQ(host.List().Cell(0, 1), "2");
  EXPECT_EQ(host.List().Cell(1, 1), "2");
  EXPECT_EQ(host.List().Cell(2, 1), "");
  EXPECT_FALSE(counter.IsBusy());
  EXPECT_EQ(host.log.back(), "controls on");
}

TEST(CounterRegistry, BusyTestAndStopReachOnlyBusyCounters) {
  RecordingCountHost host;
  CountContext context;
  TextCounter idle(host, context);
  context.counters.Register(CounterKind::Text, &idle);
  EXPECT_FALSE(context.counters.AnyBusy());
  EXPECT_EQ(context.counters.RequestStopOfBusy(), 0);
  context.counters.Clear();
  EXPECT_FALSE(context.counters.AnyBusy());
}

}  // namespace
}  // namespace tw
