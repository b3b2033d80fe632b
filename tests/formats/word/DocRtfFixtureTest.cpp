#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "counting/WordTextStatistics.h"
#include "formats/word/doc/DocReader.h"
#include "formats/word/rtf/RtfReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;

// Hand-counted figures (words, characters, characters with spaces); see
// tests/fixtures/word/readers/README.md.
struct Figures {
  int64_t words;
  int64_t characters;
  int64_t withSpaces;
};

WordTextStatistics Stats(Figures f) {
  return {f.words, f.characters, f.withSpaces};
}
WordTextStatistics Of(const std::u16string& text) {
  return WordTextStatistics::Of(text, false);
}

WordTextStatistics ShapeStats(const std::vector<WordShapeModel>& shapes) {
  WordTextStatistics total;
  for (const WordShapeModel& shape : shapes) {
    if (shape.frameText) total += Of(*shape.frameText);
    total += ShapeStats(shape.members);
  }
  return total;
}

WordDocument Read(const std::string& name) {
  const std::string path = FixturePath("word/readers/" + name);
  return name.ends_with(".rtf") ? ReadRtfDocument(path) : ReadDocDocument(path);
}

class DocAndRtfFixture : public ::testing::TestWithParam<std::string> {
 protected:
  WordDocument Read(const std::string& base) { return tw::Read(base + "." + GetParam()); }
};

TEST_P(DocAndRtfFixture, BasicTextTableScriptsAndHiddenText) {
  const WordDocument document = Read("basic");
  EXPECT_EQ(Of(document.mainText), Stats({29, 101, 117}));
  EXPECT_EQ(document.mainText.find(u"hidden"), std::u16string::npos);
  EXPECT_NE(document.mainText.find(u"Привет"), std::u16string::npos);
  EXPECT_NE(document.mainText.find(u"日本語テキスト"), std::u16string::npos);
  EXPECT_NE(document.mainText.find(u"no\u00A0break"), std::u16string::npos);
}

TEST_P(DocAndRtfFixture, FootnotesAndEndnotesKeptApart) {
  const WordDocument document = Read("notes");
  EXPECT_EQ(Of(document.mainText), Stats({8, 35, 41}));
  EXPECT_EQ(Of(document.footnotes), Stats({4, 21, 25}));
  EXPECT_EQ(Of(document.endnotes), Stats({3, 16, 19}));
}

TEST_P(DocAndRtfFixture, PrimaryHeaderAndFooterOfEachSection) {
  const WordDocument document = Read("headers");
  EXPECT_EQ(Of(document.mainText), Stats({7, 39, 44}));
  ASSERT_EQ(document.sections.size(), 2u);
  EXPECT_EQ(Of(document.PrimaryHeader(0)), Stats({3, 13, 15}));
  EXPECT_EQ(Of(document.PrimaryFooter(0)), Stats({2, 9, 10}));
  EXPECT_EQ(Of(document.PrimaryHeader(1)), Stats({4, 19, 22}));
  EXPECT_EQ(Of(document.PrimaryFooter(1)), Stats({2, 9, 10}));
}

TEST_P(DocAndRtfFixture, TextBoxTextIsAShapeNotMainText) {
  const WordDocument document = Read("shapes");
  EXPECT_EQ(Of(document.mainText), Stats({4, 33, 35}));
  // LibreOffice's RTF export drops the text of the group's members.
  const Figures shapes = GetParam() == "doc" ? Figures{9, 46, 52} : Figures{4, 17, 20};
  EXPECT_EQ(ShapeStats(document.shapes), Stats(shapes));
  ASSERT_FALSE(document.shapes.empty());
  EXPECT_EQ(document.shapes.front().type, WordShapeType::TextBox);
}

TEST_P(DocAndRtfFixture, DeletedTextAndFieldCodesLeftOut) {
  const WordDocument document = Read("changes");
  EXPECT_EQ(Of(document.mainText), Stats({10, 40, 48}));
  EXPECT_EQ(document.mainText.find(u"removed"), std::u16string::npos);
  EXPECT_EQ(document.mainText.find(u"PAGE"), std::u16string::npos);
}

TEST_P(DocAndRtfFixture, HyphensHyperlinkListTableAndOtherScripts) {
  const WordDocument document = Read("specials");
  EXPECT_EQ(Of(document.mainText), Stats({30, 127, 145}));
  EXPECT_NE(document.mainText.find(u"cooperate"), std::u16string::npos);
  EXPECT_NE(document.mainText.find(u"well\u2011known"), std::u16string::npos);
  EXPECT_EQ(document.mainText.find(u"HYPERLINK"), std::u16string::npos);
  EXPECT_NE(document.mainText.find(u"Καλημέρα κόσμε. Türkçe ığüş."), std::u16string::npos);
}

TEST_P(DocAndRtfFixture, SectionWithoutItsOwnHeaderIsLinkedOnlyWhenTheFileSaysSo) {
  const WordDocument document = Read("linked");
  ASSERT_EQ(document.sections.size(), 3u);
  EXPECT_EQ(Of(document.PrimaryHeader(0)), Stats({3, 13, 15}));
  EXPECT_EQ(Of(document.PrimaryFooter(2)), Stats({2, 12, 13}));
  EXPECT_EQ(document.PrimaryHeader(2).find(u"Even"), std::u16string::npos);
  // The .doc stores empty stories for the middle section; the .rtf has none, so it links.
  const Figures middle = GetParam() == "doc" ? Figures{0, 0, 0} : Figures{3, 13, 15};
  EXPECT_EQ(Of(document.PrimaryHeader(1)), Stats(middle));
}

TEST_P(DocAndRtfFixture, CommentsAreNotText) {
  const WordDocument document = Read("comments");
  EXPECT_EQ(Of(document.mainText), Stats({7, 37, 42}));
  EXPECT_EQ(document.mainText.find(u"Comment"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, DocAndRtfFixture, ::testing::Values("doc", "rtf"));

}  // namespace
}  // namespace tw
