#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/presentation/PresentationReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

// The texts of one slide that are not empty, then its footer, as the fixtures' README describes
// them.
struct SlideTexts {
  std::vector<std::u16string> shapes;
  std::u16string footer;
};

std::vector<SlideTexts> SlidesOf(const Document& document) {
  std::vector<SlideTexts> slides;
  for (const TextPiece& piece : document.pieces) {
    if (static_cast<size_t>(piece.container) >= slides.size()) slides.resize(piece.container + 1);
    SlideTexts& slide = slides[piece.container];
    if (piece.kind == PieceKind::SlideFooter) slide.footer = piece.text;
    if (piece.kind == PieceKind::SlideShape && !piece.text.empty())
      slide.shapes.push_back(piece.text);
  }
  return slides;
}

TEST(PresentationReader, ReadsTheFixtureDecksAsWritten) {
  const std::vector<SlideTexts> deck = {
      {{u"Quarterly review", u"Hello, world!"}, u"Sales review"},
      {{u"one", u"two", u"three four", u"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440"},
       u""},
      {{u"alpha", u"beta", u"gamma delta", u"Red green\rblue\vsky"}, u"Sales review"},
  };
  const struct {
    const char* file;
    std::vector<SlideTexts> slides;
  } cases[] = {
      {"powerpoint/deck.pptx", deck},
      {"powerpoint/deck.ppt", deck},
      {"powerpoint/plan.pptx",
       {{{u"Project plan", u"First point here\rSecond point"}, u""},
        {{u"Task", u"Owner", u"Week", u"Design", u"\u0410\u043D\u043D\u0430", u"3",
          u"\u0421\u044A\u0451\u043C\u043A\u0430 \u0444\u0438\u043B\u044C\u043C\u0430 "
          u"\u0437\u0430\u0432\u0435\u0440\u0448\u0435\u043D\u0430"},
         u""},
        {{u"Boxed text"}, u""}}},
  };
  for (const auto& c : cases) {
    const ReadResult result = ReadPresentation(test::FixturePath(c.file));
    ASSERT_TRUE(result.Ok()) << c.file << ": " << result.Error().Reason();
    const std::vector<SlideTexts> slides = SlidesOf(result.Doc());
    ASSERT_EQ(slides.size(), c.slides.size()) << c.file;
    for (size_t i = 0; i < slides.size(); ++i) {
      EXPECT_EQ(slides[i].shapes, c.slides[i].shapes) << c.file << " slide " << i + 1;
      EXPECT_EQ(slides[i].footer, c.slides[i].footer) << c.file << " slide " << i + 1;
    }
  }
}

// A PowerPoint 95 file from Apache POI's test collection carries a PowerPoint 97 copy of its 105
// slides; LibreOffice shows the first slide's texts as below.
TEST(PresentationReader, ReadsThePowerPoint97CopyOfAPowerPoint95File) {
  const ReadResult real = ReadPresentation(test::FixturePath("powerpoint/poi-bug56240.ppt"));
  ASSERT_TRUE(real.Ok()) << real.Error().Reason();
  const std::vector<SlideTexts> slides = SlidesOf(real.Doc());
  ASSERT_EQ(slides.size(), 105u);
  EXPECT_EQ(slides[0].shapes,
            (std::vector<std::u16string>{u"Finanzkrise Teil 4 :\rBetriebsbedingte K\u00FCndigung",
                                         u"11.03.2009", u"Dr. Wolfgang Kleinebrink "}));
  // dual95.ppt holds talk.ppt's streams in its PowerPoint 97 storage.
  const ReadResult dual = ReadPresentation(test::FixturePath("powerpoint/dual95.ppt"));
  const ReadResult plain = ReadPresentation(test::FixturePath("powerpoint/talk.ppt"));
  ASSERT_TRUE(dual.Ok() && plain.Ok());
  ASSERT_EQ(dual.Doc().pieces.size(), plain.Doc().pieces.size());
  for (size_t i = 0; i < dual.Doc().pieces.size(); ++i) {
    EXPECT_EQ(dual.Doc().pieces[i].text, plain.Doc().pieces[i].text) << i;
  }
}

TEST(PresentationReader, SaysWhyItCannotOpenAFile) {
  test::TempDir dir;
  const std::string missing = (dir.Path() / "x.pptx").string();
  const std::string text = dir.Write("x.ppt", "not a presentation at all");
  const std::string source = test::FixturePath("word/plain.fodt");
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {missing,
       "cannot open " + missing + ": the file cannot be opened (No such file or directory)"},
      {text, "cannot open " + text + ": not a PowerPoint presentation"},
      {source, "cannot open " + source + ": not an OpenDocument presentation"},
  };
  for (const auto& c : cases) {
    const ReadResult result = ReadPresentation(c.path);
    ASSERT_FALSE(result.Ok()) << c.path;
    EXPECT_EQ(result.Error().Reason(), c.reason);
  }
}

}  // namespace
}  // namespace tw
