#include <gtest/gtest.h>

#include <string>

#include "counting/ContentSwitches.h"
#include "counting/PdfCounter.h"
#include "counting/PowerPointCounter.h"
#include "counting/WordCounter.h"

namespace tw {
namespace {

// Word's figures of the texts used below: words, characters, spaces.
//   "one two" 2 / 6 / 1, "three" 1 / 5 / 0, "four five six" 3 / 11 / 2.
TextPiece& Add(Document& document, PieceKind kind, std::u16string text, int container = 0) {
  return document.Add(kind, std::move(text), container);
}

TEST(WordCounter, MainTextNotesAndShapesUpToOneGroupDeep) {
  Document document;
  Add(document, PieceKind::Body, u"one two");
  Add(document, PieceKind::TableCell, u"three");
  Add(document, PieceKind::Footnote, u"three");
  Add(document, PieceKind::Endnote, u"three");
  Add(document, PieceKind::Comment, u"four five six");
  Add(document, PieceKind::TextBox, u"one two");
  Add(document, PieceKind::AutoShape, u"three").groupDepth = 1;
  Add(document, PieceKind::TextBox, u"four five six").groupDepth = 2;  // never ungrouped
  Add(document, PieceKind::Body, u"four five six").hidden = true;
  Add(document, PieceKind::Body, u"four five six").revision = Revision::Deleted;
  Add(document, PieceKind::Body, u"three").revision = Revision::Inserted;
  Add(document, PieceKind::Header, u"four five six");  // only with the option
  EXPECT_EQ(CountWordDocument(document, {}), (FileCounts{9, 37, 2}));
}

TEST(WordCounter, EverySectionCountsThePrimaryHeaderAndFooterItShows) {
  Document document;
  document.sectionCount = 3;
  Add(document, PieceKind::Body, u"one two");
  Add(document, PieceKind::Header, u"three", 0);
  Add(document, PieceKind::Footer, u"one two", 1);
  Add(document, PieceKind::Header, u"four five six", 2);
  Add(document, PieceKind::Header, u"one two", 1).headerFooter = HeaderFooterType::FirstPage;
  Add(document, PieceKind::Footer, u"one two", 2).headerFooter = HeaderFooterType::EvenPages;
  const CountOptions options{.headersAndFooters = true};
  // The body, headers "three", "three", "four five six" and footers none, "one two", "one two".
  EXPECT_EQ(CountWordDocument(document, options), (FileCounts{11, 39, 5}));
  EXPECT_EQ(CountWordDocument(document, {}), (FileCounts{2, 6, 1}));

  Document withoutSections;  // still shows one header
  Add(withoutSections, PieceKind::Header, u"three", 0);
  Add(withoutSections, PieceKind::Footer, u"one two", 1);  // beyond the sections: never shown
  EXPECT_EQ(CountWordDocument(withoutSections, options), (FileCounts{1, 5, 0}));
}

TEST(WordCounter, EachContentSwitchAddsItsOwnKindOnly) {
  Document document;
  document.sectionCount = 1;
  Add(document, PieceKind::Body, u"one two");
  Add(document, PieceKind::Comment, u"three");
  Add(document, PieceKind::Chart, u"three");
  Add(document, PieceKind::Diagram, u"three");
  Add(document, PieceKind::Body, u"four five six").hidden = true;
  Add(document, PieceKind::Header, u"three", 0);
  Add(document, PieceKind::Header, u"one two", 0).hidden = true;
  Add(document, PieceKind::Header, u"four five six", 0).groupDepth = 1;  // a header text box
  Add(document, PieceKind::Header, u"four five six", 0).groupDepth = 2;  // never ungrouped
  Add(document, PieceKind::Body, u"three").hidden = true;
  document.pieces.back().revision = Revision::Deleted;  // deleted stays out even when hidden counts
  const struct {
    ContentSwitches include;
    bool headersAndFooters;
    FileCounts expected;
  } cases[] = {
      {{}, false, {2, 6, 1}},
      {{.comments = true}, false, {3, 11, 1}},
      {{.charts = true}, false, {3, 11, 1}},
      {{.diagrams = true}, false, {3, 11, 1}},
      {{.hidden = true}, false, {5, 17, 3}},
      {{.notes = true}, false, {2, 6, 1}},  // no kind of a word-processing document
      {{}, true, {6, 22, 3}},
      {{.hidden = true}, true, {11, 39, 6}},
  };
  for (const auto& c : cases) {
    CountOptions options{.headersAndFooters = c.headersAndFooters};
    options.include = c.include;
    EXPECT_EQ(CountWordDocument(document, options), c.expected)
        << ContentSwitchesText(c.include) << (c.headersAndFooters ? " with headers" : "");
  }
}

TEST(WordCounter, LegacyRulesJudgeTheLowByte) {
  Document document;
  Add(document, PieceKind::Body, u"\u041f\u0440\u0438\u0432\u0435\u0442 \u043c\u0438\u0440");
  EXPECT_EQ(CountWordDocument(document, {}), (FileCounts{2, 9, 1}));
  EXPECT_EQ(CountWordDocument(document, {.legacyByteRules = true}), (FileCounts{2, 8, 1}));
}

Document Deck() {
  Document document;
  Add(document, PieceKind::SlideShape, u"abc", 0);
  Add(document, PieceKind::SlideShape, u"def", 0);  // never joins "abc" into one word
  Add(document, PieceKind::SlideShape, u"don't", 0).groupDepth = 2;
  Add(document, PieceKind::SlideFooter, u"Sales review", 0);
  Add(document, PieceKind::Notes, u"counted with notes only", 0);
  Add(document, PieceKind::SlideShape, u"\u0410\u0430 \u0410", 1);
  Add(document, PieceKind::SlideFooter, u"Sales review", 1);
  Add(document, PieceKind::Master, u"never counted");
  Add(document, PieceKind::TitleMaster, u"Title \u2039#\u203A");
  return document;
}

TEST(PowerPointCounter, ShapesFootersAndTheTitleMasterOnce) {
  const StopFlag running{false};
  const struct {
    CountOptions options;
    bool hasTitleMaster;
    FileCounts expected;
  } cases[] = {
      // abc, def, don / t, Аа / А: 6 words, 14 characters, 1 space.
      {{}, false, {6, 14, 1}},
      {{.extraSymbolsAsWords = true}, false, {5, 14, 1}},
      // Each footer adds 2 words, 11 characters, 1 space.
      {{.headersAndFooters = true}, false, {10, 36, 3}},
      // The title master adds "Title" once: 1 word, 5 characters, 1 space.
      {{}, true, {7, 19, 2}},
      // Low bytes: U+0410 is the blank 0x10, U+0430 the digit 0x30.
      {{.legacyByteRules = true}, false, {5, 12, 1}},
  };
  for (const auto& c : cases) {
    Document document = Deck();
    document.hasTitleMaster = c.hasTitleMaster;
    EXPECT_EQ(CountPresentationDocument(document, c.options, running), c.expected);
  }
}

// Each content switch adds its own kind of piece; a hidden slide's pieces need the hidden switch
// as well.
TEST(PowerPointCounter, ContentSwitchesAddTheirPiecesOnly) {
  Document document;
  Add(document, PieceKind::Notes, u"one two");                        // 2 / 6 / 1
  Add(document, PieceKind::Comment, u"three");                        // 1 / 5 / 0
  Add(document, PieceKind::Chart, u"four five six");                  // 3 / 11 / 2
  Add(document, PieceKind::Diagram, u"seven");                        // 1 / 5 / 0
  Add(document, PieceKind::SlideShape, u"eight nine").hidden = true;  // 2 / 9 / 1
  Add(document, PieceKind::Notes, u"ten").hidden = true;              // 1 / 3 / 0
  Add(document, PieceKind::Master, u"never counted");
  const StopFlag running{false};
  const struct {
    const char* include;
    FileCounts expected;
  } cases[] = {
      {"", {0, 0, 0}},
      {"notes", {2, 6, 1}},
      {"comments", {1, 5, 0}},
      {"charts", {3, 11, 2}},
      {"diagrams", {1, 5, 0}},
      {"hidden", {2, 9, 1}},
      {"notes,hidden", {5, 18, 2}},
      {"notes,comments,charts,diagrams,hidden", {10, 39, 4}},
  };
  for (const auto& c : cases) {
    CountOptions options;
    options.include = *ParseContentSwitches(c.include);
    EXPECT_EQ(CountPresentationDocument(document, options, running), c.expected) << c.include;
  }
}

TEST(PowerPointCounter, AStopBeforeAShapeLeavesTheFileUncounted) {
  const StopFlag stop{true};
  EXPECT_EQ(CountPresentationDocument(Deck(), {}, stop), std::nullopt);
}

// Whatever the extra-symbols option says, punctuation is part of a word.
TEST(PdfCounter, EveryCharacterAboveTheBlankJoinsAWord) {
  const struct {
    std::u16string text;
    bool legacy;
    FileCounts expected;
  } cases[] = {
      {u"a,b c", false, {2, 4, 1}},
      {u"ab\tcd", false, {2, 4, 1}},             // a tab is a space
      {u"ab\r\ncd\n", false, {2, 4, 0}},         // line breaks separate but are not counted
      {u"\u0410\u0420\u0430", true, {1, 1, 1}},  // low bytes 0x10, 0x20, 0x30
  };
  for (const auto& c : cases) {
    Document document;
    Add(document, PieceKind::PdfPage, c.text);
    const CountOptions options{.extraSymbolsAsWords = false, .legacyByteRules = c.legacy};
    EXPECT_EQ(CountPdfDocument(document, options), c.expected);
  }
}

TEST(PdfCounter, WordsNeverRunFromOnePageIntoTheNext) {
  Document document;
  for (const char16_t* page : {u"ab", u"cd", u"", u"ef"}) Add(document, PieceKind::PdfPage, page);
  EXPECT_EQ(CountPdfDocument(document, {}), (FileCounts{3, 6, 0}));
  EXPECT_EQ(CountPdfDocument(Document{}, {}), (FileCounts{}));
}

}  // namespace
}  // namespace tw
