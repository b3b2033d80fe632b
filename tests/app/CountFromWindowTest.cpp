#include <gtest/gtest.h>

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
#include "app/CountListView.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "browser/CFileListCtrl.h"
#include "counting/CountColumns.h"
#include "counting/CountRun.h"
#include "counting/ListCountHost.h"

namespace tw {
namespace {

using test::GatedCounterFactory;
using test::WindowFixture;

constexpr const char* kStopQuestion = "Counting in a progress! Would you like to stop it?";

class CountFromWindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    W().SetCounterFactory(&gate);
    ListInFileList({Write("a.txt", "a"), Write("b.txt", "b"), Write("c.txt", "c")});
    W().OnAddAll();
    Choose(Combo(kIdPricingCombo), "Words");
    Choose(Combo(kIdCurrencyCombo), "EUR");
    Edit(kIdRateEdit)->setText("0.01");
  }
  // Starts a run and waits until its counter is busy on the first file.
  void StartHeldRun() {
    W().OnCountStatistic();
    QTRY_VERIFY(W().IsBusy());
    QTRY_COMPARE(gate.started.load(), 1);
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

  GatedCounterFactory gate;
};

TEST_F(CountFromWindowTest, TheCountControlsAreOffWhileACounterRunsAndOnAfterwards) {
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>({true, true, true, true, false, true}));
  StartHeldRun();
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, false));
  EXPECT_TRUE(Combo(kIdCurrencyCombo)->isEnabled());
  EXPECT_TRUE(Button(kIdAddAll)->isEnabled());
  EXPECT_EQ(W().StatusPane(0)->text().toStdString(),
            "Counting " + (dir.Path() / "a.txt").string() + " (1 of 3)");
  FinishRun();
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, true));
  EXPECT_EQ(W().StatusPane(0)->text(), " ");
}

TEST_F(CountFromWindowTest, ARunWithoutCountersLeavesTheControlsAsTheyWere) {
  W().OnRemoveAll();
  W().Browser()->FileList()->TypeFlags().CountXls = 1;
  ListInFileList({Write("sheet.xls", "x")});
  W().OnAddAll();
  ASSERT_EQ(W().Model().Rows(), 1);
  W().OnCountStatistic();
  // From the start of the run nothing can take rows out from under it.
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, false));
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>({true, true, true, true, false, true}));
  EXPECT_EQ(gate.started.load(), 0);
}

TEST_F(CountFromWindowTest, RowsAndHeadersFillAsEachFileFinishes) {
  StartHeldRun();
  gate.Allow(1);
  QTRY_COMPARE(QString::fromStdString(Cell(0, kWordsColumn)), QString("10"));
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  QTRY_COMPARE(QString::fromStdString(Header(kWordsColumn)), QString("Words: 10"));
  FinishRun();
  EXPECT_EQ(Header(kWordsColumn), "Words: 30");
  EXPECT_EQ(Header(kCharsWithSpacesColumn), "Characters with spaces: 147");
  EXPECT_EQ(Header(kCharsColumn), "Characters: 120");
  // 10 words at the rate 0.01 each.
  EXPECT_EQ(Cell(2, kAmountColumn), "   0.10");
  EXPECT_EQ(Header(kAmountColumn), "Amount:      0.30");
}

TEST_F(CountFromWindowTest, ASecondRunDoesNotStartWhileOneRuns) {
  StartHeldRun();
  W().Command(kCmdCountStatistics)->trigger();
  W().OnCountStatistic();
  FinishRun();
  // One run: each of the three files was started once.
  EXPECT_EQ(gate.started.load(), 3);
  EXPECT_EQ(Header(kWordsColumn), "Words: 30");
}

TEST_F(CountFromWindowTest, EscapeOffersToStopAndYesStopsTheCounter) {
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::Yes);
  W().OnCloseRequest(true);
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{kStopQuestion});
  EXPECT_EQ(messages.Boxes()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.Boxes()[0].icon, MessageIcon::Question);
  FinishRun();
  EXPECT_EQ(Cell(0, kWordsColumn), "10");  // the file being counted is finished
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_EQ(Cell(2, kWordsColumn), "");
  EXPECT_EQ(CountControlsEnabled(), std::vector<bool>(6, true));
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
  EXPECT_EQ(Cell(2, kWordsColumn), "10");
}

TEST_F(CountFromWindowTest, AnsweringNoLetsTheCountGoOn) {
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::No);
  W().Command(kCmdExit)->trigger();
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{kStopQuestion});
  FinishRun();
  EXPECT_EQ(Cell(2, kWordsColumn), "10");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "settings.ini"));
}

TEST_F(CountFromWindowTest, FileExitDuringARunOffersTheStopAndStaysOpen) {
  W().show();
  StartHeldRun();
  messages.ScriptAnswer(MessageAnswer::Yes);
  W().OnExitCommand();
  FinishRun();
  EXPECT_TRUE(W().isVisible());
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  // After the run, File > Exit closes without asking.
  W().OnExitCommand();
  EXPECT_FALSE(W().isVisible());
  EXPECT_EQ(messages.Texts().size(), 1u);
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
  // The busy counter finished its file; nothing after it was counted.
  EXPECT_EQ(gate.started.load(), 1);
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "settings.ini"));
}

TEST_F(CountFromWindowTest, AWindowTornDownDuringARunLetsTheWorkerUnwind) {
  StartHeldRun();
  gate.Allow(1000);
  window.reset();  // must neither hang nor touch the destroyed window
  SUCCEED();
}

// A counter that fails in a way no counter catches.
class ThrowingFactory : public CounterFactory {
  class Thrower : public Counter {
   public:
    using Counter::Counter;

   protected:
    FileOutcome CountFile(const std::string&) override { throw std::runtime_error("boom"); }
  };

 public:
  std::unique_ptr<Counter> Create(CounterKind kind, CountHost& host,
                                  CountContext& context) const override {
    return std::make_unique<Thrower>(kind, host, context);
  }
};

TEST_F(CountFromWindowTest, AnUncaughtFailureEndsTheRunNotTheProgram) {
  ThrowingFactory throwing;
  W().SetCounterFactory(&throwing);
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
  QTest::keyClicks(Edit(kIdRateEdit), "0.1");
  CountAndWait();
  ASSERT_TRUE(messages.Texts().empty()) << messages.Texts().front();

  // "Hello, world!" and "This sample holds nine words in all." hold nine words.
  EXPECT_EQ(Cell(0, kWordsColumn), "9");
  EXPECT_EQ(Cell(0, kAmountColumn), "   0.90");
  // The window shows what the count run gives over the same list without a window.
  CountList list;
  test::RecordingMessageService quiet;
  ListCountHost host(list, quiet);
  host.SetControlValues({"0.1", "", "Words"});
  for (int row = 0; row < 2; ++row) list.AppendRow(W().Model().List().Row(row));
  CountContext context;
  OnCountStatistic(host, context, StandardCounterFactory());
  for (int row = 0; row < 2; ++row) {
    for (int column : {kWordsColumn, kCharsWithSpacesColumn, kCharsColumn, kAmountColumn}) {
      EXPECT_EQ(Cell(row, column), list.Cell(row, column)) << row << " " << column;
    }
  }
  EXPECT_EQ(Header(kWordsColumn), list.Header(kWordsColumn));
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
