#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "app/CountListView.h"
#include "browser/FileList.h"
#include "counting/CellTexts.h"

namespace tw {
namespace {

using test::WindowFixture;

constexpr const char* kStopQuestion = "Counting in a progress! Would you like to stop it?";

class CountFromWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    gate.Install(W().Runner());
    ListInFileList({Write("a.txt", "a b"), Write("b.txt", "c d"), Write("c.txt", "e f")});
    W().OnAddAll();
    Choose(Combo(kIdPricingCombo), "Words");
    Choose(Combo(kIdCurrencyCombo), "EUR");
    Edit(kIdRateEdit)->setText("0.01");
  }
  // Starts a run and waits until the job is held on its first file.
  void StartHeldRun() {
    W().OnCountStatistic();
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.Started() == 1; }));
    ASSERT_TRUE(W().IsBusy());
  }
  void FinishRun() {
    QSignalSpy finished(&W(), &MainWindow::countRunFinished);
    gate.Allow(1000);
    ASSERT_TRUE(finished.wait(10000));
  }
  std::vector<bool> CountControlsEnabled() {
    std::vector<bool> enabled;
    for (int id : {kIdPricingCombo, kIdRateEdit, kIdCountStatistic, kIdRemoveAll, kIdSaveReport,
                   kIdRemove}) {
      enabled.push_back(W().Control(id)->isEnabled());
    }
    return enabled;
  }
};

TEST_F(CountFromWindowTest, TheCountControlsAreOffWhileACounterRunsAndOnAfterwards) {
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>({true, true, true, true, false, true}));
  StartHeldRun();
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, false));
  EXPECT_TRUE(Combo(kIdCurrencyCombo)->isEnabled());
  EXPECT_TRUE(Button(kIdAddAll)->isEnabled());
  const std::string counting = "Counting " + (dir.Path() / "a.txt").string() + " (1 of 3)";
  EXPECT_TRUE(QTest::qWaitFor([&] { return W().StatusPane(0)->text().toStdString() == counting; }));
  EXPECT_EQ(W().StatusPane(0)->text().toStdString(), counting);
  FinishRun();
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, true));
  EXPECT_EQ(W().StatusPane(0)->text(), " ");
}

TEST_F(CountFromWindowTest, ARunWithoutCountersLeavesTheControlsAsTheyWere) {
  W().OnRemoveAll();
  // Every type the file list offers has a counter; a row of another type has none.
  W().AddFiles({Write("notes.adoc", "x")});
  ASSERT_EQ(W().Model().RowCount(), 1);
  W().OnCountStatistic();
  // From the start of the run nothing can take rows out from under it.
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, false));
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>({true, true, true, true, false, true}));
  EXPECT_EQ(gate.Started(), 0);
}

TEST_F(CountFromWindowTest, RowsAndHeadersFillAsEachFileFinishes) {
  StartHeldRun();
  gate.Allow(1);
  EXPECT_TRUE(QTest::qWaitFor([this] { return Header(kWordsColumn) == "Words: 2"; }));
  EXPECT_EQ(Cell(0, kWordsColumn), "2");
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_EQ(Header(kWordsColumn), "Words: 2");
  FinishRun();
  // Each file holds two one-letter words and a space.
  EXPECT_EQ(Header(kWordsColumn), "Words: 6");
  EXPECT_EQ(Header(kCharsWithSpacesColumn), "Characters with spaces: 9");
  EXPECT_EQ(Header(kCharsColumn), "Characters: 6");
  EXPECT_EQ(Cell(2, kAmountColumn), "   0.02");
  EXPECT_EQ(Header(kAmountColumn), "Amount:      0.06");
}

TEST_F(CountFromWindowTest, TheTotalsAreTheSumsOfTheRows) {
  W().OnRemoveAll();
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i) {
    paths.push_back(Write("f" + std::to_string(i) + ".txt", std::string(i % 7 + 1, 'w') + " x"));
  }
  paths.push_back(Write("page.html", "<p>one two</p>"));
  ListInFileList(paths);
  W().OnAddAll();
  gate.Allow(1000);
  CountAndWait();
  FileCounts sum;
  double amount = 0.0;
  for (const CountRow& row : W().Model().Rows()) {
    ASSERT_TRUE(row.counts.has_value()) << row.path;
    sum += *row.counts;
    amount += row.amount.value_or(0.0);
  }
  EXPECT_EQ(W().Model().Totals().words, sum.words);
  EXPECT_EQ(Header(kWordsColumn), "Words: " + std::to_string(sum.words));
  EXPECT_EQ(Header(kCharsColumn), "Characters: " + std::to_string(sum.characters));
  EXPECT_DOUBLE_EQ(W().Model().Totals().amount, amount);
}

TEST_F(CountFromWindowTest, ASecondRunDoesNotStartWhileOneRuns) {
  StartHeldRun();
  W().Command(kCmdCountStatistics)->trigger();
  W().OnCountStatistic();
  FinishRun();
  // One run: each of the three files was started once.
  EXPECT_EQ(gate.Started(), 3);
  EXPECT_EQ(Header(kWordsColumn), "Words: 6");
}

TEST_F(CountFromWindowTest, YesToTheStopOfferEndsTheBatchBeingCountedOnly) {
  ListInFileList({Write("page.html", "<p>one two three</p>")});
  W().OnAddAll();
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::Yes);
  W().OnCloseRequest(true);
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{kStopQuestion});
  EXPECT_EQ(messages.Boxes()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.Boxes()[0].icon, MessageIcon::Question);
  FinishRun();
  EXPECT_EQ(Cell(0, kWordsColumn), "2");  // the file being counted is finished
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_EQ(Cell(2, kWordsColumn), "");
  EXPECT_EQ(Cell(3, kWordsColumn), "3");  // the HTML batch after it still runs
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, true));
}

TEST_F(CountFromWindowTest, AStoppedRecountShowsOnlyWhatItCounted) {
  // Figures of an earlier run.
  for (int row : {0, 1, 2}) W().Model().SetCounted(row, FileCounts{5, 9, 4}, 0.05);
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::Yes);
  W().OnCloseRequest(true);
  FinishRun();
  EXPECT_EQ(Cell(0, kWordsColumn), "2");
  for (int row : {1, 2}) {
    EXPECT_EQ(Cell(row, kWordsColumn), "") << row;
    EXPECT_EQ(Cell(row, kAmountColumn), "") << row;
  }
  EXPECT_EQ(Header(kWordsColumn), "Words: 2");
  EXPECT_EQ(W().Model().Totals().words, 2);
  EXPECT_EQ(W().StatusPane(0)->text(), "Stopped: 1 of 3 files counted");
}

TEST_F(CountFromWindowTest, TheEscapeKeyReachesTheStopOfferFromTheCountList) {
  W().show();
  W().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::No);
  W().CountList()->setFocus();
  QTest::keyClick(W().CountList(), Qt::Key_Escape);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kStopQuestion});
  EXPECT_TRUE(W().isVisible());
  FinishRun();
  EXPECT_EQ(Cell(2, kWordsColumn), "2");
}

TEST_F(CountFromWindowTest, AnsweringNoLetsTheCountGoOn) {
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::No);
  W().Command(kCmdExit)->trigger();
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{kStopQuestion});
  FinishRun();
  EXPECT_EQ(Cell(2, kWordsColumn), "2");
  EXPECT_FALSE(std::filesystem::exists(Config() / "settings.ini"));
}

TEST_F(CountFromWindowTest, FileExitDuringARunOffersTheStopAndStaysOpen) {
  W().show();
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::Yes);
  W().OnExitCommand();
  FinishRun();
  EXPECT_TRUE(W().isVisible());
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  // After the run, File > Exit asks only for the file that was counted, which no report holds.
  W().OnExitCommand();
  EXPECT_FALSE(W().isVisible());
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kStopQuestion, "Are you sure to exit?"}));
}

TEST_F(CountFromWindowTest, AddSubfoldersDuringACountAsksToWait) {
  StartHeldRun();
  W().OnAddSubfolders();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Counting in a progress. Please wait."});
  EXPECT_EQ(messages.Boxes()[0].icon, MessageIcon::Exclamation);
  FinishRun();
}

TEST_F(CountFromWindowTest, ClosingDuringARunStopsItAndClosesWhenItHasUnwound) {
  W().show();
  StartHeldRun();
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  W().close();  // answered OK
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Are you sure to exit?"});
  EXPECT_TRUE(W().isVisible());  // waits for the run
  gate.Allow(1000);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_FALSE(W().isVisible());
  // The file being counted was finished; nothing after it was started.
  EXPECT_EQ(gate.Started(), 1);
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_TRUE(std::filesystem::exists(Config() / "settings.ini"));
}

TEST_F(CountFromWindowTest, AWindowTornDownDuringARunLetsTheWorkerUnwind) {
  StartHeldRun();
  gate.Allow(1000);
  window.reset();  // must neither hang nor touch the destroyed window
  SUCCEED();
}

TEST_F(CountFromWindowTest, FailedFilesShowNoFiguresAndAreToldInOneBoxAtTheEnd) {
  const std::string gone = (dir.Path() / "gone").string();
  ListInFileList({gone + "1.txt", Write("here.txt", "x y"), gone + "2.txt", gone + "3.txt"});
  W().OnRemoveAll();
  W().OnAddAll();
  gate.Allow(1000);
  CountAndWait();
  ASSERT_EQ(messages.Texts().size(), 1u);
  const std::string summary = messages.Texts()[0];
  EXPECT_TRUE(summary.starts_with("3 of 4 files could not be counted")) << summary;
  for (const char* name : {"1.txt", "2.txt", "3.txt"}) {
    EXPECT_NE(summary.find("Couldn't open file: " + gone + name + " (No such file or directory)"),
              std::string::npos)
        << summary;
  }
  const CountListModel& model = W().Model();
  for (int row : {0, 2, 3}) {
    for (int column : {kWordsColumn, kCharsWithSpacesColumn, kCharsColumn, kAmountColumn}) {
      EXPECT_EQ(Cell(row, column), "") << row << "," << column;
    }
    EXPECT_TRUE(model.data(model.index(row, kAmountColumn), Qt::ToolTipRole)
                    .toString()
                    .startsWith("Couldn't open file: "));
    EXPECT_FALSE(model.data(model.index(row, kFileColumn), Qt::DecorationRole).isNull());
  }
  EXPECT_TRUE(model.data(model.index(1, kFileColumn), Qt::DecorationRole).isNull());
  EXPECT_EQ(Cell(1, kWordsColumn), "2");
  EXPECT_EQ(Header(kAmountColumn), "Amount:      0.02");

  // A new rate prices the counted row again; the failed ones still show no amount.
  Edit(kIdRateEdit)->setText("0.5");
  EXPECT_EQ(Cell(0, kAmountColumn), "");
  EXPECT_EQ(Cell(1, kAmountColumn), "   1.00");
  EXPECT_EQ(Header(kAmountColumn), "Amount:      1.00");

  // Once the file is there, the next run counts it and its mark goes.
  Write("gone1.txt", "a b c");
  CountAndWait();
  EXPECT_EQ(Cell(0, kWordsColumn), "3");
  EXPECT_TRUE(model.data(model.index(0, kFileColumn), Qt::DecorationRole).isNull());
  EXPECT_TRUE(messages.Texts()[1].starts_with("2 of 4 files")) << messages.Texts()[1];
}

TEST_F(CountFromWindowTest, ALongListOfFailuresIsCutShort) {
  std::vector<std::string> paths;
  for (int i = 0; i < 40; ++i)
    paths.push_back((dir.Path() / ("gone" + std::to_string(i) + ".txt")).string());
  ListInFileList(paths);
  W().OnRemoveAll();
  W().OnAddAll();
  gate.Allow(1000);
  CountAndWait();
  ASSERT_EQ(messages.Texts().size(), 1u);
  const std::string summary = messages.Texts()[0];
  EXPECT_TRUE(summary.starts_with("40 of 40 files could not be counted")) << summary;
  EXPECT_NE(summary.find("gone14.txt"), std::string::npos);
  EXPECT_EQ(summary.find("gone15.txt"), std::string::npos);
  EXPECT_NE(summary.find("25 more"), std::string::npos) << summary;
}

TEST_F(CountFromWindowTest, AFailureTheJobDoesNotCatchEndsTheRunNotTheProgram) {
  W().Runner().SetWorkerHook([](int) { throw std::runtime_error("boom"); });
  CountAndWait();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Counting stopped: boom"});
  EXPECT_FALSE(W().IsBusy());
  EXPECT_FALSE(W().IsCounting());
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, true));
}

class EndToEndTest : public WindowFixture {};

TEST_F(EndToEndTest, CountsTheSampleFolderAndSavesAReport) {
  Open();
  const std::string samples = std::string(TW_SOURCE_DIR) + "/samples";
  ListInFileList({samples + "/hello.txt", samples + "/page.html"});
  W().OnAddAll();
  Choose(Combo(kIdPricingCombo), "Words");
  Edit(kIdRateEdit)->clear();
  QTest::keyClicks(Edit(kIdRateEdit), "0.1");
  CountAndWait();
  ASSERT_TRUE(messages.Texts().empty()) << messages.Texts().front();

  // "Hello, world!" and "This sample holds nine words in all." hold nine words.
  EXPECT_EQ(Cell(0, kWordsColumn), "9");
  EXPECT_EQ(Cell(0, kAmountColumn), "   0.90");
  EXPECT_TRUE(Button(kIdSaveReport)->isEnabled());

  chooser.next = (dir.Path() / "job.html").string();
  Button(kIdSaveReport)->click();
  EXPECT_EQ(chooser.asked, 1);
  const std::string report = test::ReadFileBytes(dir.Path() / "job.html");
  ASSERT_GE(report.size(), 4u);
  EXPECT_EQ(report.substr(0, 4), std::string("\xFF\xFE<\0", 4));
  std::u16string text(reinterpret_cast<const char16_t*>(report.data() + 2),
                      (report.size() - 2) / 2);
  EXPECT_NE(text.find(u"hello.txt"), std::u16string::npos);
  EXPECT_NE(text.find(u"<td>Total</td>"), std::u16string::npos);

  // A cancelled dialog writes nothing.
  chooser.next.reset();
  std::filesystem::remove(dir.Path() / "job.html");
  Button(kIdSaveReport)->click();
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "job.html"));
}

}  // namespace
}  // namespace tw
