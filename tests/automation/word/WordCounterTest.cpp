#include <gtest/gtest.h>

#include <algorithm>

#include "FakeWordServer.h"
#include "count/WordCounter.h"
#include "support/RecordingCountHost.h"

namespace tw {
namespace {

using test::FakeDocument;
using test::FakeShape;
using test::FakeStatistics;
using test::FakeWordServer;
using test::RecordingCountHost;
using Log = std::vector<std::string>;

const char* const kOpenArguments = " false false false '' '' false '' '' 0";

class WordCounterRun : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetControlValues({"0.01", "USD", "Words"});
    server.RegisterIn(servers);
    context.servers = &servers;
  }

  void AddDocument(const std::string& path, FakeDocument document) {
    server.documents[path] = std::move(document);
    host.AddFile(path);
  }

  void Run(CountOptions options = {}) {
    Batch batch;
    for (int row = 0; row < host.RowCount(); ++row) {
      batch.push_back(host.CellText(row, 0));
      batch.push_back(std::to_string(row));
    }
    context.counters.Register(CounterKind::Word, &counter);
    counter.Init(batch, options);
    counter.Run();
    context.counters.Unregister(CounterKind::Word);
  }

  // The calls the counter makes for one document with no shapes and the option off.
  static Log PlainDocumentCalls(const std::string& path) {
    return {"Documents.Open " + path + kOpenArguments,
            "Documents.Item 1",
            "Document.ComputeStatistics 0 1",
            "Document.ComputeStatistics 3 1",
            "Document.ComputeStatistics 5 1",
            "Document.ComputeStatistics 3 1",
            "Document.Shapes",
            "Shapes.Count",
            "Document.Shapes",
            "Shapes.Count",
            "Document.Shapes",
            "Shapes.Count",
            "Documents.Close 0 0 0"};
  }

  static Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }

  const Log kStart = {"Application.Visible false", "Application.WindowState 2",
                      "Application.ScreenUpdating false", "Application.Documents"};
  const Log kQuit = {"Application.Quit 0 0 0"};

  FakeWordServer server;
  ServerRegistry servers;
  RecordingCountHost host;
  CountContext context;
  WordCounter counter{host, context};
};

TEST_F(WordCounterRun, CountsTheMainStatisticsOfEachDocumentInOrder) {
  AddDocument("a.docx", {{10, 40, 49}, {}, {}});
  AddDocument("b.doc", {{3, 12, 14}, {}, {}});
  Run();
  EXPECT_EQ(server.log,
            Concat({kStart, PlainDocumentCalls("a.docx"), PlainDocumentCalls("b.doc"), kQuit}));
  EXPECT_EQ(host.List().Cell(0, 1), "10");
  EXPECT_EQ(host.List().Cell(0, 2), "49");
  EXPECT_EQ(host.List().Cell(0, 3), "40");
  EXPECT_EQ(host.List().Cell(1, 1), "3");
  EXPECT_EQ(host.List().Cell(1, 2), "14");
  EXPECT_EQ(host.List().Cell(1, 3), "12");
  EXPECT_EQ(host.List().Header(1), "Words: 13");
  EXPECT_TRUE(host.Recorded().Texts().empty());
  EXPECT_FALSE(counter.IsBusy());
  EXPECT_TRUE(host.CountControlsEnabled());
}

TEST_F(WordCounterRun, HeaderFooterPassTakesEachSectionsPrimaryHeaderAndFooterWithoutBoxes) {
  FakeDocument document{{1, 1, 1}, {{{2, 8, 9}, {1, 4, 4}}, {{3, 10, 12}, {0, 0, 0}}}, {}};
  AddDocument("h.docx", document);
  Run({.headersAndFooters = true});
  const Log range = {"HeaderFooter.Range", "Range.ComputeStatistics 0", "Range.ComputeStatistics 3",
                     "Range.ComputeStatistics 5", "Range.ComputeStatistics 3"};
  Log section;
  Log expectedPass = {"Document.Sections", "Sections.Count"};
  for (const char* index : {"1", "2"}) {
    expectedPass.push_back(std::string("Sections.Item ") + index);
    for (const char* side : {"Section.Headers", "Section.Footers"}) {
      expectedPass.push_back(side);
      expectedPass.push_back("HeadersFooters.Item 1");
      expectedPass.insert(expectedPass.end(), range.begin(), range.end());
    }
  }
  Log expected = PlainDocumentCalls("h.docx");
  expected.insert(expected.begin() + 6, expectedPass.begin(), expectedPass.end());
  EXPECT_EQ(server.log, Concat({kStart, expected, kQuit}));
  EXPECT_EQ(host.List().Cell(0, 1), "7");        // 1 + 2 + 1 + 3
  EXPECT_EQ(host.List().Cell(0, 3), "23");       // 1 + 8 + 4 + 10
  EXPECT_EQ(host.List().Cell(0, 2), "26");       // 23 characters and 3 spaces
  EXPECT_TRUE(host.Recorded().Texts().empty());  // no "Get footer ... passed" boxes
}

TEST_F(WordCounterRun, HeadersAndFootersAddNothingWithTheOptionOff) {
  AddDocument("h.docx", {{1, 1, 1}, {{{2, 8, 9}, {1, 4, 4}}}, {}});
  Run();
  EXPECT_EQ(host.List().Cell(0, 1), "1");
  for (const std::string& call : server.log) EXPECT_NE(call, "Document.Sections");
}

TEST_F(WordCounterRun, ShapePassesUngroupThenCountTextBoxesAndAutoShapesOnly) {
  FakeShape textBox{17, true, {2, 9, 10}, {}};
  FakeShape autoShape{1, true, {1, 5, 5}, {}};
  FakeShape picture{13, true, {50, 50, 50}, {}};  // carries text, yet adds nothing
  FakeShape object{7, false, {}, {}};
  FakeShape group{6, false, {}, {textBox, autoShape}};
  AddDocument("s.docx", {{0, 0, 0}, {{}}, {group, picture, object, textBox}});
  Run();

  const Log expectedShapes = {
      // Ungroup type 7
      "Document.Shapes", "Shapes.Count", "Shapes.Item 1", "Shape.Type", "Shapes.Item 2",
      "Shape.Type", "Shapes.Item 3", "Shape.Type", "Shape.Ungroup", "Shapes.Item 4", "Shape.Type",
      // Ungroup type 6: the members join the collection
      "Document.Shapes", "Shapes.Count", "Shapes.Item 1", "Shape.Type", "Shape.Ungroup",
      "Shapes.Item 2", "Shape.Type", "Shapes.Item 3", "Shape.Type", "Shapes.Item 4", "Shape.Type",
      // Text frames, over the six shapes now in the collection
      "Document.Shapes", "Shapes.Count"};
  Log log(server.log.begin() + static_cast<long>(kStart.size()) + 6, server.log.end());
  ASSERT_GE(log.size(), expectedShapes.size());
  EXPECT_EQ(Log(log.begin(), log.begin() + static_cast<long>(expectedShapes.size())),
            expectedShapes);
  // Text box twice (own and ungrouped member) and the autoshape once.
  EXPECT_EQ(host.List().Cell(0, 1), "5");
  EXPECT_EQ(host.List().Cell(0, 3), "23");
  EXPECT_EQ(host.List().Cell(0, 2), "25");
}

TEST_F(WordCounterRun, UngroupedMembersBeyondTheCountAreNotVisitedInThatPass) {
  FakeShape inner{6, false, {}, {FakeShape{17, true, {1, 3, 3}, {}}}};
  FakeShape outer{6, false, {}, {inner}};
  AddDocument("n.docx", {{0, 0, 0}, {{}}, {outer}});
  Run();
  int ungroups = 0;
  for (const std::string& call : server.log) ungroups += call == "Shape.Ungroup";
  EXPECT_EQ(ungroups, 1);  // the nested group came after the count was read
  EXPECT_EQ(host.List().Cell(0, 1), "0");
}

TEST_F(WordCounterRun, MissingServerShowsItsMessageAndChangesNoRow) {
  servers.Unregister("Word.Application");
  host.AddFile("a.docx");
  Run();
  EXPECT_EQ(host.Recorded().Texts(), (std::vector<std::string>{"Do you have a MS Word?!"}));
  EXPECT_EQ(host.List().Cell(0, 1), "");
  EXPECT_TRUE(host.CountControlsEnabled());
  EXPECT_FALSE(counter.IsBusy());

  context.servers = nullptr;
  Run();
  EXPECT_EQ(host.Recorded().Texts().size(), 2u);
}

TEST_F(WordCounterRun, StopRequestDuringOpenFinishesThatFileThenQuits) {
  AddDocument("a.docx", {{1, 1, 1}, {{}}, {}});
  AddDocument("b.docx", {{2, 2, 2}, {{}}, {}});
  server.onCall = [this](const std::string& call) {
    if (call.starts_with("Documents.Open a.docx")) counter.RequestStop();
  };
  Run();
  EXPECT_EQ(server.log, Concat({kStart, PlainDocumentCalls("a.docx"), kQuit}));
  EXPECT_EQ(host.List().Cell(0, 1), "1");
  EXPECT_EQ(host.List().Cell(1, 1), "");
  EXPECT_TRUE(host.CountControlsEnabled());
}

TEST_F(WordCounterRun, FailedCallIsReportedForThatFileAndTheBatchGoesOn) {
  const struct {
    const char* failingCall;
    bool documentWasOpen;
  } cases[] = {{"Documents.Open bad.docx false false false '' '' false '' '' 0", false},
               {"Shape.Ungroup", true},
               {"Range.ComputeStatistics 5", true}};
  for (const auto& c : cases) {
    server.log.clear();
    server.documents.clear();
    host.List().Clear();
    server.failOn = {c.failingCall};
    AddDocument("bad.docx",
                {{4, 4, 4}, {{}}, {FakeShape{6, false, {}, {FakeShape{17, true, {1, 1, 1}, {}}}}}});
    AddDocument("good.docx", {{2, 8, 9}, {{}}, {}});
    host.List().SetCell(0, 1, "old");
    const size_t before = host.Recorded().Texts().size();
    Run();
    const std::vector<std::string> texts = host.Recorded().Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + static_cast<long>(before), texts.end()),
              (std::vector<std::string>{std::string("Word - fake failure of ") + c.failingCall}));
    EXPECT_EQ(host.List().Cell(0, 1), "old") << c.failingCall;
    EXPECT_EQ(host.List().Cell(1, 1), "2") << c.failingCall;
    // The failed document is closed before the next is opened; the server quits at the end.
    const auto next = std::find(server.log.begin(), server.log.end(),
                                "Documents.Open good.docx" + std::string(kOpenArguments));
    ASSERT_NE(next, server.log.end());
    EXPECT_EQ(*(next - 1) == "Documents.Close 0 0 0", c.documentWasOpen) << c.failingCall;
    EXPECT_EQ(server.log.back(), "Application.Quit 0 0 0");
    EXPECT_TRUE(host.CountControlsEnabled());
  }
}

}  // namespace
}  // namespace tw
