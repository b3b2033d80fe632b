#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "WindowFixture.h"
#include "app/ControlIds.h"
#include "app/CountListModel.h"
#include "app/FileMenuCommands.h"
#include "app/PricingControls.h"
#include "app/QuoteDialog.h"
#include "counting/CellTexts.h"
#include "store/QuoteFields.h"

namespace tw {
namespace {

using test::ReadFileBytes;
using test::WindowFixture;

// A file dialog whose answer the test sets.
class ScriptedFileChooser : public FileChooser {
 public:
  std::optional<std::string> Choose(QWidget*, const Request& request) override {
    requests.push_back(request);
    return next;
  }
  std::optional<std::string> next;
  std::vector<Request> requests;
};

std::string Shell(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// "Hello, world!" is 2 words, 12 characters and 1 space; "one two three" 3 words, 11 characters
// and 2 spaces; the .docx is no zip and fails.
class FileMenuCommandsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Open();
    W().FileCommands().SetFileChooser(&files);
    ListInFileList({Write("a.txt", "Hello, world!"), Write("b.txt", "one two three"),
                    Write("broken.docx", "not a zip")});
    W().OnAddAll();
    Choose(Combo(kIdPricingCombo), "Words");
    Choose(Combo(kIdCurrencyCombo), "EUR");
    Edit(kIdRateEdit)->setText("0.125");
    CountAndWait();
  }
  // Every cell and header the list shows.
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (int column = 0; column < kCountColumnCount; ++column) texts.push_back(Header(column));
    for (int row = 0; row < W().Model().RowCount(); ++row) {
      for (int column = 0; column < kCountColumnCount; ++column) texts.push_back(Cell(row, column));
    }
    return texts;
  }
  MainWindow& W() const { return *window; }
  std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }

  ScriptedFileChooser files;
};

TEST_F(FileMenuCommandsTest, AJobSavedAndReopenedShowsTheSameRowsAndTotals) {
  ASSERT_EQ(W().Model().Totals().words, 5);
  ASSERT_FALSE(W().Model().Rows()[2].failure.empty());
  const std::vector<std::string> before = Shown();
  W().Options().headersAndFooters = true;
  W().Options().profile = CountProfile::Word;
  W().Options().units.lineLength = 60;
  W().Options().units.repetitions = true;
  files.next = Path("week.tlwjob");
  W().FileCommands().SaveJobAction()->trigger();
  ASSERT_TRUE(std::filesystem::exists(Path("week.tlwjob")));
  EXPECT_FALSE(W().HasUnsavedResults());

  W().OnRemoveAll();
  Edit(kIdRateEdit)->setText("3");
  Choose(Combo(kIdPricingCombo), "Chars");
  W().Options() = CountOptions{};
  W().FileCommands().OpenJobAction()->trigger();

  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(Edit(kIdRateEdit)->text(), "0.125");
  EXPECT_EQ(W().Pricing().Current().pricing, "Words");
  EXPECT_TRUE(W().Options().headersAndFooters);
  EXPECT_EQ(W().Options().profile, CountProfile::Word);
  EXPECT_EQ(W().Options().units.lineLength, 60);
  EXPECT_TRUE(W().Options().units.repetitions);
  EXPECT_TRUE(W().Control(kIdSaveReport)->isEnabled());
  EXPECT_EQ(W().FileCommands().Recent().Paths().front(), Path("week.tlwjob"));

  // Recounting the opened job gives the same counts again.
  CountAndWait();
  EXPECT_EQ(Cell(0, kWordsColumn), "2");
  EXPECT_EQ(Cell(1, kAmountColumn), before[kCountColumnCount * 2 + kAmountColumn]);
  EXPECT_EQ(W().Model().Totals().words, 5);
}

TEST_F(FileMenuCommandsTest, ADamagedJobFileIsRefusedAndChangesNothing) {
  const std::vector<std::string> before = Shown();
  files.next = Path("week.tlwjob");
  W().FileCommands().SaveJobAction()->trigger();
  const std::string good = ReadFileBytes(Path("week.tlwjob"));
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {good.substr(0, good.size() / 2), "not a job file"},
      {"", "not a job file"},
      {"[1, 2]", "not a job file"},
      {std::string(good).replace(good.find("\"format\": 1"), 11, "\"format\": 9"), "later version"},
      {std::string(good).replace(good.find("\"words\": 2"), 10, "\"words\": -2"), "counts of"},
      {std::string(good).replace(good.find("\"pricing\": \"Words\""), 18, "\"pricing\": \"Pints\""),
       "pricing"},
  };
  Edit(kIdRateEdit)->setText("0.5");
  const std::vector<std::string> shownNow = Shown();
  for (const auto& [bytes, reason] : damaged) {
    const std::string path = Write("bad.tlwjob", bytes);
    const size_t boxes = messages.Boxes().size();
    EXPECT_FALSE(W().FileCommands().OpenJob(path));
    ASSERT_EQ(messages.Boxes().size(), boxes + 1);
    EXPECT_NE(messages.Boxes().back().text.find("Couldn't open job " + path), std::string::npos);
    EXPECT_NE(messages.Boxes().back().text.find(reason), std::string::npos)
        << messages.Boxes().back().text;
    EXPECT_EQ(Shown(), shownNow);
  }
  std::filesystem::remove(Path("week.tlwjob"));
  EXPECT_FALSE(W().FileCommands().OpenJob(Path("week.tlwjob")));
  EXPECT_TRUE(W().FileCommands().Recent().Paths().empty());  // a job gone is forgotten
  EXPECT_NE(before, shownNow);  // the rate change did reprice, so the comparison means something
}

TEST_F(FileMenuCommandsTest, ExportWritesTheListAsShown) {
  files.next = Path("count.csv");
  W().FileCommands().ExportAction()->trigger();
  const std::string csv = ReadFileBytes(Path("count.csv"));
  EXPECT_NE(csv.find(",2,13,12,EUR,0.125,0.25,\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\nTOTAL,5,26,23,,,0.62,\r\n"), std::string::npos) << csv;
  files.next = Path("count.xlsx");
  W().FileCommands().ExportAction()->trigger();
  EXPECT_EQ(ReadFileBytes(Path("count.xlsx")).substr(0, 2), "PK");
  files.next = Path("missing/count.csv");
  W().FileCommands().ExportAction()->trigger();
  ASSERT_FALSE(messages.Boxes().empty());
  EXPECT_NE(messages.Boxes().back().text.find("Couldn't export"), std::string::npos);
}

// The quote prices its lines as the list shows them: 0.25 + 0.38 (0.375) = 0.63, raised to the
// minimum of 40.00, less 10 % is 36.00, plus 19 % tax (6.84) is 42.84.
TEST_F(FileMenuCommandsTest, AQuoteIsSavedAsAPdfHoldingItsTotals) {
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "pdftotext is not installed";
  }
  WriteConfig("quote-fields.txt", "Client=ACME Legal\nQuoteNumber=Q-7\nMinimumFee=40\n");
  files.next = Path("quote.pdf");
  bool filled = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QuoteDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    // The number follows the last one; the minimum fee is remembered.
    EXPECT_EQ(dialog->Sheet().fields.quoteNumber, "Q-8");
    EXPECT_EQ(dialog->Sheet().fields.minimumFee, "40");
    dialog->findChild<QLineEdit*>("discountEdit")->setText("10");
    dialog->findChild<QLineEdit*>("taxEdit")->setText("19");
    EXPECT_TRUE(dialog->Preview()->toPlainText().contains("42.84"));
    filled = true;
    dialog->SaveButton()->click();
  });
  W().FileCommands().QuoteAction()->trigger();
  ASSERT_TRUE(filled);
  const std::string text = Shell("pdftotext -layout '" + Path("quote.pdf") + "' -");
  for (const char* expected : {"ACME Legal", "Q-8", "a.txt", "2 words", "0.25", "0.38", "40.00",
                               "-4.00", "36.00", "6.84", "EUR 42.84"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  }
  EXPECT_EQ(text.find("broken.docx"), std::string::npos);
  EXPECT_EQ(LoadQuoteFields((Config() / "quote-fields.txt").string()).quoteNumber, "Q-8");
}

}  // namespace
}  // namespace tw
