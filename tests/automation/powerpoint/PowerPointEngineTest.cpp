#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"
#include "automation/powerpoint/PowerPointEngine.h"
#include "count/CountColumns.h"
#include "count/CountRun.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::ReadFileBytes;
using test::RecordingCountHost;
using test::TempDir;

std::unique_ptr<powerpoint::Presentation> OpenWithEngine(const std::string& path) {
  return CreatePowerPointEngine()->Presentations()->Open(path, 0, 0, 1);
}

std::u16string TextOf(powerpoint::Shape& shape) {
  if (shape.HasTextFrame() == 0) return u"";
  return shape.TextFrame()->TextRange()->Text();
}

// The texts of a slide's shapes, groups written as "[...]" around their items.
std::u16string Outline(powerpoint::Shape& shape) {
  if (shape.Type() != powerpoint::kShapeGroup) return TextOf(shape);
  std::u16string text = u"[";
  std::unique_ptr<powerpoint::GroupItems> items = shape.GroupItems();
  for (int32_t i = 1; i <= items->Count(); ++i) {
    text += (i > 1 ? u"|" : u"") + Outline(*items->Item(i));
  }
  return text + u"]";
}

std::vector<std::u16string> SlideOutline(powerpoint::Slide& slide) {
  std::vector<std::u16string> outline;
  std::unique_ptr<powerpoint::Shapes> shapes = slide.Shapes();
  for (int32_t j = 1; j <= shapes->Count(); ++j) {
    std::unique_ptr<powerpoint::Shape> shape = shapes->Item(j);
    if (shape->HasTable() != 0) {
      outline.push_back(u"table");
    } else if (shape->Type() == powerpoint::kShapeGroup || shape->HasTextFrame() != 0) {
      outline.push_back(Outline(*shape));
    }
  }
  return outline;
}

// The same deck written by the presentation program both ways (see the fixtures' README).
class FixtureDeck : public ::testing::TestWithParam<const char*> {
 protected:
  std::string Path() const { return FixturePath(std::string("powerpoint/") + GetParam()); }
};

TEST_P(FixtureDeck, HandsOutSlidesShapesAndFooters) {
  std::unique_ptr<powerpoint::Presentation> presentation = OpenWithEngine(Path());
  std::unique_ptr<powerpoint::Slides> slides = presentation->Slides();
  ASSERT_EQ(slides->Count(), 3);
  EXPECT_EQ(presentation->HasTitleMaster(), 0);

  std::unique_ptr<powerpoint::Slide> first = slides->Item(1);
  EXPECT_EQ(SlideOutline(*first),
            (std::vector<std::u16string>{u"Quarterly review", u"Hello, world!"}));
  EXPECT_EQ(first->HeadersFooters()->Footer()->Text(), u"Sales review");

  std::unique_ptr<powerpoint::Slide> second = slides->Item(2);
  EXPECT_EQ(
      SlideOutline(*second),
      (std::vector<std::u16string>{u"[one|[two|three four]]",
                                   u"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440"}));
  EXPECT_EQ(second->HeadersFooters()->Footer()->Text(), u"");

  std::unique_ptr<powerpoint::Slide> third = slides->Item(3);
  const std::vector<std::u16string> outline = SlideOutline(*third);
  ASSERT_FALSE(outline.empty());
  EXPECT_EQ(outline.back(), u"Red green\rblue\vsky");
  EXPECT_EQ(third->HeadersFooters()->Footer()->Text(), u"Sales review");
  EXPECT_THROW(slides->Item(4), AutomationError);
  EXPECT_THROW(slides->Item(0), AutomationError);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, FixtureDeck, ::testing::Values("deck.pptx", "deck.ppt"));

// The hand-checked counts of the fixtures' README: words, characters with spaces, characters.
TEST(PowerPointFixtures, CountAsCheckedByHandInOneRun) {
  struct Case {
    CountOptions options;
    std::vector<std::vector<std::string>> rows;  // deck.pptx, deck.ppt, plan.pptx
  };
  const Case cases[] = {
      {{}, {{"18", "91", "85"}, {"18", "91", "85"}, {"18", "97", "90"}}},
      {{.headersAndFooters = true},
       {{"22", "115", "107"}, {"22", "115", "107"}, {"18", "97", "90"}}},
      {{.legacyByteRules = true}, {{"18", "90", "84"}, {"18", "90", "84"}, {"23", "96", "89"}}},
  };
  for (const Case& c : cases) {
    ServerRegistry servers;
    servers.Register("Powerpoint.Application", [] { return CreatePowerPointEngine(); });
    RecordingCountHost host;
    host.SetControlValues({"0.01", "USD", "Words"});
    for (const char* name : {"deck.pptx", "deck.ppt", "plan.pptx"}) {
      host.AddFile(FixturePath(std::string("powerpoint/") + name));
    }
    CountContext context;
    context.servers = &servers;
    context.options = c.options;
    OnCountStatistic(host, context, StandardCounterFactory());
    int64_t words = 0;
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ((std::vector<std::string>{host.CellText(row, kWordsColumn),
                                          host.CellText(row, kCharsWithSpacesColumn),
                                          host.CellText(row, kCharsColumn)}),
                c.rows[static_cast<size_t>(row)])
          << host.CellText(row, kFileColumn);
      words += std::stoll(c.rows[static_cast<size_t>(row)][0]);
    }
    EXPECT_EQ(context.totals.words, words);
    EXPECT_TRUE(host.Recorded().Texts().empty());
  }
}

TEST(PowerPointEngine, TableCellsAreShapesOfTheirOwn) {
  std::unique_ptr<powerpoint::Presentation> presentation =
      OpenWithEngine(FixturePath("powerpoint/deck.pptx"));
  std::unique_ptr<powerpoint::Shapes> shapes = presentation->Slides()->Item(3)->Shapes();
  std::unique_ptr<powerpoint::Shape> table = shapes->Item(1);
  ASSERT_NE(table->HasTable(), 0);
  EXPECT_EQ(table->HasTextFrame(), 0);
  std::unique_ptr<powerpoint::Table> grid = table->Table();
  ASSERT_EQ(grid->RowCount(), 2);
  ASSERT_EQ(grid->ColumnCount(), 2);
  std::vector<std::u16string> cells;
  for (int32_t row = 1; row <= 2; ++row) {
    for (int32_t column = 1; column <= 2; ++column) {
      cells.push_back(TextOf(*grid->Cell(row, column)->Shape()));
    }
  }
  EXPECT_EQ(cells, (std::vector<std::u16string>{u"alpha", u"beta", u"gamma delta", u""}));
  EXPECT_THROW(grid->Cell(3, 1), AutomationError);
  EXPECT_EQ(shapes->Item(2)->HasTextFrame(), 0);  // the line
}

TEST(PowerPointEngine, AClosedPresentationRefusesCalls) {
  std::unique_ptr<powerpoint::Presentation> presentation =
      OpenWithEngine(FixturePath("powerpoint/deck.pptx"));
  std::unique_ptr<powerpoint::Slide> slide = presentation->Slides()->Item(1);
  presentation->Close();
  EXPECT_THROW(presentation->Slides(), AutomationError);
  // Objects handed out before keep what they refer to.
  EXPECT_EQ(slide->Shapes()->Count(), 2);
}

TEST(PowerPointEngine, FilesItCannotOpenFailTheOpenCall) {
  TempDir dir;
  const std::string pptx = ReadFileBytes(FixturePath("powerpoint/deck.pptx"));
  const std::string ppt = ReadFileBytes(FixturePath("powerpoint/deck.ppt"));
  // A byte of a slide's compressed data changed: its CRC no longer matches.
  std::string flipped = pptx;
  const size_t slideData = pptx.find("ppt/slides/slide2.xml") + 60;
  flipped[slideData] = static_cast<char>(flipped[slideData] ^ 0x55);
  const std::pair<std::string, std::string> files[] = {
      {"missing.pptx", ""},
      {"empty.pptx", ""},
      {"text.pptx", "just some text, not a presentation"},
      {"half.pptx", pptx.substr(0, pptx.size() / 2)},
      {"flipped.pptx", flipped},
      {"half.ppt", ppt.substr(0, ppt.size() / 2)},
      {"head.ppt", ppt.substr(0, 4096)},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path =
        name == "missing.pptx" ? dir.Path().string() + "/" + name : dir.Write(name, bytes);
    try {
      OpenWithEngine(path);
      ADD_FAILURE() << name << " opened";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Source(), "PowerPoint");
      EXPECT_NE(error.Description().find(path), std::string::npos) << error.Description();
    }
  }
}

}  // namespace
}  // namespace tw
