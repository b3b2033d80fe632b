#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"
#include "app/CountListModel.h"
#include "counting/CellTexts.h"
#include "counting/WordCounter.h"
#include "formats/isolation/ReaderCommand.h"

namespace tw {
namespace {

// The window reads documents in reader helpers: one that crashes or hangs on a file costs that
// file, and the window keeps every row it has.
class IsolatedCountTest : public test::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    for (const char* name : {"a.docx", "broken.docx", "c.docx"}) {
      paths.push_back((dir.Path() / name).string());
      std::filesystem::copy_file(test::FixturePath("word/headers.docx"), paths.back());
    }
    paths.push_back(Write("d.txt", "one two three"));
  }
  void TearDown() override {
    WindowFixture::TearDown();
    unsetenv(ReaderCommand::kFailureVariable);
  }
  // Sets the failure before the window (and its helpers) starts, then lists the files.
  void OpenWithFailure(const std::string& how) {
    setenv(ReaderCommand::kFailureVariable, (how + ":broken.docx").c_str(), 1);
    Open();
    ListInFileList(paths);
    W().OnAddAll();
  }
  std::string DocumentWords() const {
    const FileCountResult direct = CountWordFile(paths[0], {});
    return std::to_string(direct.counts.words);
  }

  std::vector<std::string> paths;
};

TEST_F(IsolatedCountTest, AReaderCrashCostsOneFile) {
  OpenWithFailure("crash");
  CountAndWait();
  ASSERT_EQ(W().Model().Rows().size(), 4u);
  EXPECT_EQ(Cell(0, kWordsColumn), DocumentWords());
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_EQ(Cell(2, kWordsColumn), DocumentWords());
  EXPECT_EQ(Cell(3, kWordsColumn), "3");
  ASSERT_EQ(messages.Texts().size(), 1u);
  const std::string summary = messages.Texts()[0];
  EXPECT_TRUE(summary.starts_with("1 of 4 files could not be counted")) << summary;
  EXPECT_NE(summary.find("Word - the reader stopped: crashed with SIGABRT (Aborted): " + paths[1]),
            std::string::npos)
      << summary;
}

// A reader that hangs holds only its own file; stopping the run ends the wait at once, and the
// rows counted before it stay.
TEST_F(IsolatedCountTest, AHungReaderGivesWayToAStop) {
  OpenWithFailure("hang");
  W().OnCountStatistic();
  ASSERT_TRUE(QTest::qWaitFor([this] { return Cell(0, kWordsColumn) == DocumentWords(); }));
  const std::string waiting = "Counting " + paths[1] + " (3 of 4)";
  ASSERT_TRUE(QTest::qWaitFor([&] { return W().StatusPane(0)->text().toStdString() == waiting; }));
  messages.ScriptAnswer(MessageAnswer::Yes);
  QSignalSpy finished(&W(), &MainWindow::countRunFinished);
  W().OnCloseRequest(true);
  ASSERT_TRUE(finished.wait(10000));
  ASSERT_EQ(W().Model().Rows().size(), 4u);
  EXPECT_EQ(Cell(0, kWordsColumn), DocumentWords());
  EXPECT_EQ(Cell(1, kWordsColumn), "");
  EXPECT_EQ(Cell(2, kWordsColumn), "");
  EXPECT_EQ(Cell(3, kWordsColumn), "3");  // the text batch ran first
}

}  // namespace
}  // namespace tw
