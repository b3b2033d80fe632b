#include <gtest/gtest.h>

#include <algorithm>

#include "FakePdfServer.h"
#include "count/PdfCounter.h"
#include "support/RecordingCountHost.h"

namespace tw {
namespace {

using test::FakePdfServer;
using test::RecordingCountHost;

class PdfCounterRun : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetControlValues({"0.01", "USD", "Words"});
    server.Register(registry);
    context.servers = &registry;
  }

  // Counts every row of the host's list with a PDF counter.
  void RunPdfCounter(CountOptions options = {}) {
    Batch batch;
    for (int row = 0; row < host.RowCount(); ++row) {
      batch.push_back(host.CellText(row, 0));
      batch.push_back(std::to_string(row));
    }
    counter = std::make_unique<PdfCounter>(host, context);
    context.counters.Register(CounterKind::Pdf, counter.get());
    counter->Init(batch, options);
    counter->Run();
    context.counters.Unregister(CounterKind::Pdf);
  }

  std::vector<std::string> Messages() { return host.Recorded().Texts(); }
  std::vector<std::string> Row(int row) {
    return {host.List().Cell(row, 1), host.List().Cell(row, 2), host.List().Cell(row, 3)};
  }

  FakePdfServer server;
  ServerRegistry registry;
  RecordingCountHost host;
  CountContext context;
  std::unique_ptr<PdfCounter> counter;
};

TEST_F(PdfCounterRun, DrivesTheServerInOrder) {
  server.documents["/a.pdf"] = {{u"abc ", u"def"}, {u"x"}};
  host.AddFile("/a.pdf");
  RunPdfCounter();
  const std::vector<std::string> expected = {
      "create App", "create AVDoc", "Open /a.pdf ''", "GetPDDoc", "GetNumPages", "GetAVPageView",
      "create HiliteList", "Add 0 2000",
      // page 0
      "GoTo 0", "GetPage", "CreateWordHilite", "GetNumText", "GetText 0", "GetText 1",
      // page 1
      "GoTo 1", "GetPage", "CreateWordHilite", "GetNumText", "GetText 0",
      // end of file, end of run
      "Close", "CloseAllDocs", "CloseAllDocs", "Exit"};
  EXPECT_EQ(server.log, expected);
  EXPECT_EQ(Row(0), (std::vector<std::string>{"3", "8", "7"}));
  EXPECT_EQ(host.List().Header(1), "Words: 3");
  EXPECT_TRUE(host.CountControlsEnabled());
  EXPECT_FALSE(counter->IsBusy());
}

TEST_F(PdfCounterRun, MissingServersEndTheRunWithTheirMessages) {
  const struct {
    bool app;
    bool avDoc;
    const char* message;
    std::vector<std::string> calls;
  } cases[] = {
      {false, true, "Adobe Acrobat should be installed", {"create App"}},
      {true, false, "Failed to create AVDoc", {"create App", "create AVDoc", "Exit"}},
  };
  for (const auto& c : cases) {
    server.log.clear();
    host.List().Clear();
    host.Recorded() = {};
    server.appAvailable = c.app;
    server.avDocAvailable = c.avDoc;
    server.documents["/a.pdf"] = {{u"abc"}};
    host.AddFile("/a.pdf");
    RunPdfCounter();
    EXPECT_EQ(server.log, c.calls) << c.message;
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(host.List().Cell(0, 1), "");
    EXPECT_TRUE(host.CountControlsEnabled());
  }
}

TEST_F(PdfCounterRun, WithoutAnyServersTheApplicationIsMissing) {
  context.servers = nullptr;
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Adobe Acrobat should be installed"});
}

TEST_F(PdfCounterRun, AFileThatCannotBeOpenedIsSkippedAndTheBatchGoesOn) {
  server.documents["/b.pdf"] = {{u"one ", u"two"}};
  host.AddFile("/missing.pdf");
  host.List().SetCell(0, 1, "old");
  host.AddFile("/b.pdf");
  RunPdfCounter();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to opening file /missing.pdf"});
  EXPECT_EQ(host.List().Cell(0, 1), "old");
  EXPECT_EQ(Row(1), (std::vector<std::string>{"2", "7", "6"}));
  EXPECT_EQ(server.log.back(), "Exit");
}

TEST_F(PdfCounterRun, AFailedCallCostsOnlyItsFile) {
  // A server call that fails anywhere but in the word selection (here a page the server cannot
  // deliver) is that file's error; the run unwinds cleanly and goes on.
  server.documents["/a.pdf"] = {{u"abc"}};
  server.documents["/b.pdf"] = {{u"de"}};
  server.failures.emplace("GetPage", AutomationError("PDF reader", "broken"));
  host.AddFile("/a.pdf");
  host.AddFile("/b.pdf");
  RunPdfCounter();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Failed to opening file /a.pdf",
                                                  "Failed to opening file /b.pdf"}));
  EXPECT_EQ(host.List().Cell(0, 1), "");
  EXPECT_FALSE(counter->IsBusy());
  EXPECT_TRUE(host.CountControlsEnabled());
  EXPECT_EQ(server.log.back(), "Exit");
}

TEST_F(PdfCounterRun, StopRequestIsTestedBeforeEveryPage) {
  server.documents["/a.pdf"] = {{u"one"}, {u"two"}, {u"three"}};
  server.documents["/b.pdf"] = {{u"four"}};
  server.onGetPage = [this](long page) {
    if (page == 1) counter->RequestStop();
  };
  host.AddFile("/a.pdf");
  host.AddFile("/b.pdf");
  RunPdfCounter();
  const std::vector<std::string> tail(server.log.end() - 5, server.log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"CreateWordHilite", "GetNumText", "GetText 0",
                                            "CloseAllDocs", "Exit"}));
  EXPECT_EQ(std::count(server.log.begin(), server.log.end(), "GoTo 2"), 0);
  EXPECT_EQ(host.List().Cell(0, 1), "");
  EXPECT_EQ(host.List().Cell(1, 1), "");
  EXPECT_TRUE(host.CountControlsEnabled());
}

TEST_F(PdfCounterRun, AStopBetweenFilesIsSeenAtTheNextPage) {
  server.documents["/a.pdf"] = {{u"one"}};
  server.documents["/empty.pdf"] = {};
  server.documents["/c.pdf"] = {{u"three"}};
  server.onGetPage = [this](long) { counter->RequestStop(); };
  host.AddFile("/a.pdf");
  host.AddFile("/empty.pdf");
  host.AddFile("/c.pdf");
  RunPdfCounter();
  // The request made on a's last page is not tested between files: a is counted, the file
  // without pages passes no test and is counted too, and the stop comes before c's first page.
  EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "3", "3"}));
  EXPECT_EQ(Row(1), (std::vector<std::string>{"0", "0", "0"}));
  EXPECT_EQ(host.List().Cell(1, 6), "   0.00");
  EXPECT_EQ(host.List().Cell(2, 1), "");
  EXPECT_EQ(std::count(server.log.begin(), server.log.end(), "Open /c.pdf ''"), 1);
}

TEST_F(PdfCounterRun, AFailedWordSelectionIsShownAndThePageAddsNothing) {
  server.documents["/a.pdf"] = {{u"one ", u"two"}, {u"three"}};
  server.failures.emplace("CreateWordHilite", AutomationError("PDPage", "no words"));
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"PDPage - no words", "PDPage - no words"}));
  EXPECT_EQ(host.Recorded().Boxes().at(0).buttons, MessageButtons::Ok);
  EXPECT_EQ(Row(0), (std::vector<std::string>{"0", "0", "0"}));

  // After a page that was read, a failed selection does not repeat that page's words.
  server.failures.clear();
  server.failures.emplace("CreateWordHilite", AutomationError("", ""));
  server.onGetPage = [this](long page) {
    if (page == 0) server.failures.clear();
    if (page == 1) server.failures.emplace("CreateWordHilite", AutomationError("", ""));
  };
  host.Recorded() = {};
  RunPdfCounter();
  EXPECT_EQ(Messages(), std::vector<std::string>{"unknown error"});
  EXPECT_EQ(Row(0), (std::vector<std::string>{"2", "7", "6"}));
}

TEST_F(PdfCounterRun, CharacterRuleJudgesCodePointsOrLowBytes) {
  const struct {
    std::u16string text;
    bool legacy;
    std::vector<std::string> row;  // words, characters with spaces, characters
  } cases[] = {
      {u"abc def", false, {"2", "7", "6"}},
      {u"a,b c", false, {"2", "5", "4"}},               // punctuation is part of a word
      {u"ab\tcd", false, {"2", "5", "4"}},              // a tab is a space
      {u"ab\r\ncd\n", false, {"2", "4", "4"}},          // line breaks separate but are not counted
      {u"\u0410\u0420\u0430", false, {"1", "3", "3"}},  // Cyrillic letters are characters
      {u"\u0410\u0420\u0430", true, {"1", "2", "1"}},   // low bytes 0x10, 0x20, 0x30
      {u"\u00e9t\u00e9 \u00bb", false, {"2", "5", "4"}},
  };
  for (const auto& c : cases) {
    host.List().Clear();
    server.documents["/a.pdf"] = {{c.text}};
    host.AddFile("/a.pdf");
    CountOptions options;
    options.legacyByteRules = c.legacy;
    RunPdfCounter(options);
    EXPECT_EQ(Row(0), c.row) << testing::PrintToString(c.row);
  }
}

TEST_F(PdfCounterRun, WordsNeverRunFromOnePageIntoTheNext) {
  server.documents["/a.pdf"] = {{u"ab"}, {u"cd"}, {}, {u"ef"}};
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(Row(0), (std::vector<std::string>{"3", "6", "6"}));
}

TEST_F(PdfCounterRun, EveryWordOfADensePageCounts) {
  FakePdfServer::Page page(2500, u"w ");
  server.documents["/a.pdf"] = {page};
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(host.List().Cell(0, 1), "2500");
}

TEST_F(PdfCounterRun, AHighlightListThatCannotBeCreatedFailsTheFile) {
  server.hiliteListAvailable = false;
  server.documents["/a.pdf"] = {{u"abc"}};
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to opening file /a.pdf"});
  EXPECT_EQ(host.List().Cell(0, 1), "");
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

TEST_F(PdfCounterRun, AServerThatCannotQuitDoesNotHoldTheRun) {
  server.documents["/a.pdf"] = {{u"abc"}};
  server.failures.emplace("Exit", AutomationError("App", "busy"));
  host.AddFile("/a.pdf");
  RunPdfCounter();
  EXPECT_EQ(host.List().Cell(0, 1), "1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(counter->IsBusy());
  EXPECT_TRUE(host.CountControlsEnabled());
  EXPECT_FALSE(context.counters.AnyBusy());
}

}  // namespace
}  // namespace tw
