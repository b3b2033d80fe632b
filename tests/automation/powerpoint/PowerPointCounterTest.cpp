#include <gtest/gtest.h>

#include "FakePowerPoint.h"
#include "automation/AutomationError.h"
#include "count/CountColumns.h"
#include "count/PowerPointCounter.h"
#include "support/RecordingCountHost.h"

namespace tw {
namespace {

using powerpoint::MakeShape;
using powerpoint::PresentationModel;
using powerpoint::ShapeModel;
using powerpoint::SlideModel;
using test::FakePowerPoint;
using test::RecordingCountHost;

ShapeModel Text(std::u16string text) {
  return MakeShape(powerpoint::kShapeTextBox, true, text);
}

ShapeModel Group(std::vector<ShapeModel> items) {
  ShapeModel group = MakeShape(powerpoint::kShapeGroup);
  group.groupItems = std::move(items);
  return group;
}

SlideModel Slide(std::vector<ShapeModel> shapes, std::u16string footer = u"") {
  return SlideModel{std::move(shapes), std::move(footer)};
}

PresentationModel Deck(std::vector<SlideModel> slides) {
  PresentationModel model;
  model.slides = std::move(slides);
  return model;
}

class PowerPointCounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.RegisterIn(servers);
    context.servers = &servers;
    host.SetControlValues({"0.01", "USD", "Words"});
  }

  // Adds a presentation the fake server opens, and its row.
  void AddDeck(const std::string& path, PresentationModel model) {
    fake.presentations[path] = std::move(model);
    host.AddFile(path);
  }

  void Count(CountOptions options = {}) {
    Batch batch;
    for (int row = 0; row < host.RowCount(); ++row) {
      batch.push_back(host.CellText(row, kFileColumn));
      batch.push_back(std::to_string(row));
    }
    PowerPointCounter counter(host, context);
    running = &counter;
    context.counters.Register(CounterKind::PowerPoint, &counter);
    counter.Init(batch, options);
    counter.Run();
    context.counters.Unregister(CounterKind::PowerPoint);
    running = nullptr;
  }

  // Words, characters with spaces and characters of a row, as the list shows them.
  std::vector<std::string> Row(int row) {
    return {host.CellText(row, kWordsColumn), host.CellText(row, kCharsWithSpacesColumn),
            host.CellText(row, kCharsColumn)};
  }

  FakePowerPoint fake;
  ServerRegistry servers;
  RecordingCountHost host;
  CountContext context;
  PowerPointCounter* running = nullptr;
};

TEST_F(PowerPointCounterTest, DrivesPowerPointInOrder) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"Hello, world!")}, u"Sales review")}));
  Count();
  const std::vector<std::string> expected = {
      "create Powerpoint.Application",
      "Application.Visible = 1",
      "Application.WindowState = 2",
      "Application.Presentations",
      "Presentations.Open(/d/a.pptx, 0, 0, 1)",
      "Presentation.Slides",
      "Slides.Count",
      "Slides.Item(1)",
      "Slide.Shapes",
      "Shapes.Count",
      "Shapes.Item(1)",
      "Shape.Type",
      "Shape.HasTable",
      "Shape.HasTextFrame",
      "Shape.TextFrame",
      "TextFrame.HasText",
      "TextFrame.TextRange",
      "TextRange.Text",
      "Presentation.HasTitleMaster",
      "Presentation.Close",
      "Application.Quit",
  };
  EXPECT_EQ(fake.log, expected);
  EXPECT_EQ(Row(0), (std::vector<std::string>{"2", "13", "12"}));
  EXPECT_EQ(host.log.front(), "controls off");
  EXPECT_EQ(host.log.back(), "controls on");
}

TEST_F(PowerPointCounterTest, FooterIsReadOnlyWithTheOption) {
  AddDeck("/d/a.pptx",
          Deck({Slide({Text(u"one")}, u"Sales review"), Slide({Text(u"two")}, u"Sales review")}));
  Count();
  EXPECT_EQ(Row(0), (std::vector<std::string>{"2", "6", "6"}));
  EXPECT_TRUE(fake.CallsStartingWith("Slide.HeadersFooters").empty());

  fake.log.clear();
  Count(CountOptions{.headersAndFooters = true});
  // 'Sales review' adds 2 words, 11 characters and 1 space on each slide, after its shapes.
  EXPECT_EQ(Row(0), (std::vector<std::string>{"6", "30", "28"}));
  EXPECT_EQ(fake.CallsStartingWith("HeaderFooter.Text").size(), 2u);
  const auto footer = std::find(fake.log.begin(), fake.log.end(), "Slide.HeadersFooters");
  const auto secondSlide = std::find(fake.log.begin(), fake.log.end(), "Slides.Item(2)");
  EXPECT_LT(footer, secondSlide);
}

TEST_F(PowerPointCounterTest, ExtraSymbolOptionComesSecondInInit) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"don't")})}));
  Count(CountOptions{.headersAndFooters = false, .extraSymbolsAsWords = false});
  EXPECT_EQ(Row(0)[0], "2");
  Count(CountOptions{.headersAndFooters = false, .extraSymbolsAsWords = true});
  EXPECT_EQ(Row(0)[0], "1");
}

TEST_F(PowerPointCounterTest, TextsNeverJoinIntoOneWord) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"abc"), Text(u"def")})}));
  Count();
  EXPECT_EQ(Row(0)[0], "2");
}

TEST_F(PowerPointCounterTest, GroupsWithinGroupsAreWalkedRereadingTheCount) {
  AddDeck("/d/a.pptx",
          Deck({Slide({Group({Text(u"one"), Group({Text(u"two"), Text(u"three four")})})})}));
  Count();
  EXPECT_EQ(Row(0), (std::vector<std::string>{"4", "16", "15"}));
  // Outer group: 2 items and 3 reads of the count; inner group: the same.
  EXPECT_EQ(fake.CallsStartingWith("GroupItems.Count").size(), 6u);
  std::vector<std::string> groupCalls;
  for (const std::string& call : fake.log) {
    if (call.rfind("GroupItems.", 0) == 0) groupCalls.push_back(call);
  }
  const std::vector<std::string> expected = {
      "GroupItems.Count", "GroupItems.Item(1)", "GroupItems.Count", "GroupItems.Item(2)",
      "GroupItems.Count", "GroupItems.Item(1)", "GroupItems.Count", "GroupItems.Item(2)",
      "GroupItems.Count", "GroupItems.Count"};
  EXPECT_EQ(groupCalls, expected);
}

TEST_F(PowerPointCounterTest, TableCellsCountEachAsATextOfItsOwn) {
  ShapeModel table = MakeShape(powerpoint::kShapeTable);
  table.tableRows = 2;
  table.tableColumns = 2;
  table.tableCells = {Text(u"abc"), Text(u"def"), Text(u"gamma delta"), Text(u"")};
  AddDeck("/d/a.pptx", Deck({Slide({table})}));
  Count();
  EXPECT_EQ(Row(0), (std::vector<std::string>{"4", "17", "16"}));
  EXPECT_EQ(fake.CallsStartingWith("Table.Cell").size(), 4u);
}

TEST_F(PowerPointCounterTest, CyrillicIsJudgedByCodePointUnlessLegacyRules) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"\u0410\u0430 \u0410")})}));
  Count();
  EXPECT_EQ(Row(0), (std::vector<std::string>{"2", "4", "3"}));
  // Low bytes: U+0410 is the blank 0x10, U+0430 the digit 0x30.
  Count(CountOptions{.legacyByteRules = true});
  EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "2", "1"}));
}

TEST_F(PowerPointCounterTest, TitleMasterCountsOncePerPresentationAfterTheSlides) {
  PresentationModel model = Deck({Slide({}), Slide({}), Slide({}), Slide({Text(u"x")})});
  model.hasTitleMaster = true;
  model.titleMasterShapes = {Text(u"Title \u2039#\u203A"), MakeShape(powerpoint::kShapeLine)};
  AddDeck("/d/a.ppt", std::move(model));
  Count();
  // "Title" once (1 word, 5 characters, 1 space) plus "x"; the marked stretch is skipped.
  EXPECT_EQ(Row(0), (std::vector<std::string>{"2", "7", "6"}));
  EXPECT_EQ(fake.CallsStartingWith("Presentation.TitleMaster").size(), 1u);
  const auto master = std::find(fake.log.begin(), fake.log.end(), "Presentation.TitleMaster");
  const auto lastSlide = std::find(fake.log.begin(), fake.log.end(), "Slides.Item(4)");
  const auto close = std::find(fake.log.begin(), fake.log.end(), "Presentation.Close");
  EXPECT_LT(lastSlide, master);
  EXPECT_LT(master, close);
}

TEST(ScanTitleMasterText, SkipsMarkedStretches) {
  struct Case {
    std::u16string text;
    bool legacy;
    FileCounts expected;
  };
  const Case cases[] = {
      {u"\u2039#\u203A", false, {0, 0, 0}},
      {u"Page \u2039#\u203A of", false, {2, 6, 2}},
      {u"a\u2039b\u203Ac", false, {2, 2, 0}},
      {u"\u203Aab", false, {1, 3, 0}},  // a closing marker outside a stretch is a character
      {u"\u008Bhidden\u009Bshown", false, {1, 5, 0}},
      {u"Hello, world!", false, {2, 12, 1}},  // punctuation joins words here
      {u"\u041F\u0440\u0438", false, {1, 3, 0}},
      // Legacy low bytes: U+2039 is 0x39 and U+203A is 0x3A, ordinary characters.
      {u"\u2039#\u203A", true, {1, 3, 0}},
      {u"\u018Bx\u019By", true, {1, 1, 0}},  // low bytes 0x8B and 0x9B are the markers
      {u"\u0410\u0430", true, {1, 1, 0}},    // 0x10 is a blank
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScanTitleMasterText(c.text, c.legacy), c.expected)
        << std::string(c.text.begin(), c.text.end()) << " legacy " << c.legacy;
  }
}

TEST_F(PowerPointCounterTest, StopBeforeAShapeClosesQuitsAndLeavesTheRow) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"one")}), Slide({Text(u"two")}),
                             Slide({Text(u"three"), Text(u"four")})}));
  AddDeck("/d/b.pptx", Deck({Slide({Text(u"five")})}));
  host.SetCellText(0, kWordsColumn, "old");
  fake.onCall = [this](const std::string& call) {
    if (call == "Shapes.Item(1)" && fake.CallsStartingWith("Slides.Item(3)").size() == 1) {
      running->RequestStop();
    }
  };
  Count();
  EXPECT_EQ(host.CellText(0, kWordsColumn), "old");
  EXPECT_EQ(host.CellText(1, kWordsColumn), "");
  // The stop is seen before the second shape of slide 3: the first one was counted.
  const std::vector<std::string> tail(fake.log.end() - 3, fake.log.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"TextRange.Text", "Presentation.Close", "Application.Quit"}));
  EXPECT_EQ(fake.CallsStartingWith("Shapes.Item(2)").size(), 0u);
  EXPECT_EQ(fake.CallsStartingWith("Presentations.Open").size(), 1u);
  EXPECT_EQ(host.log.back(), "controls on");
}

TEST_F(PowerPointCounterTest, StopBeforeTheNextFileQuits) {
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"one")})}));
  AddDeck("/d/b.pptx", Deck({Slide({Text(u"two")})}));
  fake.onCall = [this](const std::string& call) {
    if (call == "Presentation.Close") running->RequestStop();
  };
  Count();
  EXPECT_EQ(Row(0)[0], "1");
  EXPECT_EQ(Row(1)[0], "");
  EXPECT_EQ(fake.log.back(), "Application.Quit");
  EXPECT_EQ(fake.CallsStartingWith("Presentations.Open").size(), 1u);
}

TEST_F(PowerPointCounterTest, NoServerShowsItsMessageAndChangesNoRow) {
  servers.Unregister("Powerpoint.Application");
  AddDeck("/d/a.pptx", Deck({Slide({Text(u"one")})}));
  Count();
  EXPECT_EQ(host.Recorded().Texts(), std::vector<std::string>{"Do you have a MS PowerPoint?"});
  EXPECT_EQ(Row(0)[0], "");
  EXPECT_EQ(host.log.back(), "controls on");
  EXPECT_FALSE(context.counters.AnyBusy());
}

TEST_F(PowerPointCounterTest, AFailedCallCostsThatFileOnly) {
  host.AddFile("/d/missing.pptx");
  AddDeck("/d/b.pptx", Deck({Slide({Text(u"two words")})}));
  AddDeck("/d/c.pptx", Deck({Slide({Text(u"three"), Text(u"broken")})}));
  AddDeck("/d/d.pptx", Deck({Slide({Text(u"four")})}));
  fake.onCall = [this](const std::string& call) {
    if (call == "Shapes.Item(2)") throw AutomationError("PowerPoint", "the shape is damaged");
  };
  Count();
  EXPECT_EQ(host.Recorded().Texts(),
            (std::vector<std::string>{"PowerPoint - cannot open /d/missing.pptx",
                                      "PowerPoint - the shape is damaged"}));
  EXPECT_EQ(Row(0)[0], "");
  EXPECT_EQ(Row(1)[0], "2");
  EXPECT_EQ(Row(2)[0], "");  // counted in part: left as it was
  EXPECT_EQ(Row(3)[0], "1");
  // The presentation that failed is still closed, and the server quits once, at the end.
  EXPECT_EQ(fake.CallsStartingWith("Presentation.Close").size(), 3u);
  EXPECT_EQ(fake.CallsStartingWith("Application.Quit").size(), 1u);
  EXPECT_EQ(context.totals.words, 3);
}

}  // namespace
}  // namespace tw
