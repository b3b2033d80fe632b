#include <gtest/gtest.h>

#include <string>

#include <filesystem>

#include "formats/ReadResult.h"
#include "formats/word/PieceSummary.h"
#include "formats/word/rtf/CodePageDecoder.h"
#include "formats/word/rtf/RtfParser.h"
#include "formats/word/rtf/RtfReader.h"
#include "formats/word/rtf/RtfTokenizer.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::Frames;
using test::HeadersAndFooters;
using test::PieceSummary;
using test::TextOf;

Document Parse(std::string_view rtf) {
  return RtfParser().Parse(rtf);
}

std::u16string BodyOf(std::string_view rtf) {
  return TextOf(Parse(rtf), PieceKind::Body);
}

struct MainTextCase {
  const char* name;
  const char* rtf;
  std::u16string mainText;
};

class RtfMainText : public ::testing::TestWithParam<MainTextCase> {};

TEST_P(RtfMainText, ReadsAsShown) {
  EXPECT_EQ(BodyOf(GetParam().rtf), GetParam().mainText) << GetParam().name;
}

const MainTextCase kMainTextCases[] = {
    {"document code page",
     R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fnil Arial;}}\f0 \'cf\'f0\'e8\'e2\'e5\'f2})",
     u"Привет"},
    {"font charset over the document code page",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Times;}{\f1\fcharset238 Arial;}}\f0 caf\'e9 {\f1 \'b9}})",
     u"café ą"},
    {"Greek, Turkish and Baltic fonts",
     R"({\rtf1{\fonttbl{\f1\fcharset161 A;}{\f2\fcharset162 B;}{\f3\fcharset186 C;}}{\f1\'e1}{\f2\'fd}{\f3\'e0}})",
     u"αıą"},
    {"font code page word", R"({\rtf1{\fonttbl{\f4\cpg1251 A;}}\f4\'e4\plain\'e4})", u"дä"},
    {"Shift-JIS double bytes",
     R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0\fcharset128 M;}}\f0 \'82\'a0\'82\'a2})", u"あい"},
    {"GBK, Korean and Big5 double bytes",
     R"({\rtf1{\fonttbl{\f1\fcharset134 G;}{\f2\fcharset129 K;}{\f3\fcharset136 B;}}{\f1\'c4\'e3}{\f2\'c7\'d1}{\f3\'a4\'a4}})",
     u"你한中"},
    {"unicode with one fallback byte", R"({\rtf1\uc1\u1055?\u1088?})", u"Пр"},
    {"unicode with two fallback bytes", R"({\rtf1\uc2\u1055\'cf\'cf!})", u"П!"},
    {"unicode without fallback", R"({\rtf1\uc0\u1055 x})", u"Пx"},
    {"fallback cut short by a group end", R"({\rtf1{\uc3\u1055 ab}c})", u"Пc"},
    {"fallback counts a control word as one", R"({\rtf1\uc1\u8212\emdash x})", u"\u2014x"},
    {"negative unicode parameter", R"({\rtf1\u-3913?})", u"\uF0B7"},
    {"binary data never read as text or braces", "{\\rtf1 a\\bin3 }{\\ b}", u"a b"},
    {"tables and info skipped",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}Body})",
     u"Body"},
    {"unknown optional destination skipped", R"({\rtf1 a{\*\mynewthing secret}b})", u"ab"},
    {"optional destination group inside a formatted group",
     R"({\rtf1 a{\b {\*\foo skipped} kept}})", u"a kept"},
    {"optional destination in the middle of a group skips only itself",
     R"({\rtf1 {\b before \*\foo after}{\i x\*\bar\*\baz y}z})", u"before afterxyz"},
    {"unknown plain control word ignored", R"({\rtf1 a\mynewword b})", u"ab"},
    {"pictures and object data skipped",
     R"({\rtf1 a{\pict\pngblip 89504e47}b{\object{\*\objclass Paint}{\*\objdata 0102}{\result r}}c})",
     u"abrc"},
    {"field shows its result", R"({\rtf1 Page {\field{\*\fldinst PAGE}{\fldrslt 3}} of})",
     u"Page 3 of"},
    {"list numbering text skipped", R"({\rtf1{\listtext 1.\tab}Item})", u"Item"},
    {"list definition outside a list table shows nothing",
     R"({\rtf1{\list{\listlevel{\leveltext \'02\'00.}{\levelnumbers \'01}}{\listname L1;}}Item})",
     u"Item"},
    {"special characters",
     R"({\rtf1 a\~b\-c\_d\emdash e\endash f\bullet\lquote\rquote\ldblquote\rdblquote\tab g})",
     u"a\u00A0bc\u2011d\u2014e\u2013f\u2022\u2018\u2019\u201C\u201D\tg"},
    {"breaks", "{\\rtf1 a\\par b\\line c\\cell d\\row e\\page f\\column g\\\nh}",
     u"a\rb\rc\rd\re\rf\rg\rh"},
    {"escaped braces and backslash", R"({\rtf1 a\\b\{c\}})", u"a\\b{c}"},
    {"hidden and deleted runs left out",
     R"({\rtf1 a{\v hid}b{\deleted del}c\v x\v0 d\deleted y\plain z})", u"abcdz"},
    {"break kept inside hidden text", R"({\rtf1 one{\v\par}two})", u"one\rtwo"},
    {"nothing after the document's closing brace", "{\\rtf1 a}}b", u"a"},
    {"garbage after the document's end left out",
     "{\\rtf1 a\\par} \\line b\\par\xEF\xBF\xBD"
     "8",
     u"a\r"},
    {"unclosed groups closed at the end", "{\\rtf1 a{\\b b", u"ab"},
    {"note separators and comments skipped",
     R"({\rtf1{\*\ftnsep x}a{\*\atnid J}{\*\annotation comment}b})", u"ab"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RtfMainText, ::testing::ValuesIn(kMainTextCases));

TEST(RtfParser, HeadersAndFootersPerSectionPrimaryOnly) {
  const Document document =
      Parse(R"({\rtf1{\header H1}{\headerl L}{\footerf F}{\footer Ft}Body\sect{\headerr H2}More})");
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"Body\rMore");
  EXPECT_EQ(document.sectionCount, 2);
  // The second section has no footer of its own: it shows the first one's.
  const std::vector<PieceSummary> own = {{PieceKind::Header, 0, 0, u"H1"},
                                         {PieceKind::Footer, 0, 0, u"Ft"},
                                         {PieceKind::Header, 1, 0, u"H2"}};
  EXPECT_EQ(HeadersAndFooters(document), own);
}

TEST(RtfParser, FootnotesAndEndnotesInTheirOwnStories) {
  const Document document =
      Parse(R"({\rtf1 A{\super\chftn{\footnote{\chftn} fn}}B{\footnote\ftnalt en}C})");
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"ABC");
  EXPECT_EQ(TextOf(document, PieceKind::Footnote), u" fn\r");
  EXPECT_EQ(TextOf(document, PieceKind::Endnote), u"en\r");
  EXPECT_EQ(Parse(R"({\rtf1 no notes})").pieces.size(), 1u);
}

TEST(RtfParser, CommentsAndHiddenBodyTextComeApart) {
  const Document document = Parse(
      R"({\rtf1 Seen{\v hid}den {\*\atnid A}{\*\atnauthor Ann}\chatn{\*\annotation{\*\atndate 1})"
      R"( First {\v x}remark\par}{\v again}{\*\annotation Second} end{\v\deleted cut}})");
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"Seenden  end");
  EXPECT_EQ(TextOf(document, PieceKind::Body, true), u"hid\ragain");
  EXPECT_EQ(TextOf(document, PieceKind::Comment), u" First remark\r\rSecond\r");
}

TEST(RtfParser, ShapesWithTextAndGroups) {
  const Document document = Parse(
      R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn shapeType}{\sv 202}}{\shptxt Box text\par}}{\shprslt old}}b)"
      R"({\shpgrp{\*\shpinst{\sp{\sn shapeType}{\sv 202}})"
      R"({\shp{\*\shpinst{\sp{\sn shapeType}{\sv 1}}{\shptxt Member}}})"
      R"({\shpgrp{\*\shpinst{\shp{\*\shpinst{\shptxt Deeper}}}}})"
      R"({\shp{\*\shpinst{\sp{\sn shapeType}{\sv 75}}{\sp{\sn pib}{\sv {\pict 0102}}}}}}})"
      R"({\shp{\*\shpinst{\shptxt Typed late}{\sp{\sn shapeType}{\sv 202}}}})"
      R"({\shp{\*\shpinst{\sp{\sn shapeType}{\sv 202}}}}{\shp{\*\shpinst}}c})");
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"abc");
  // A group stays a group whatever its type says; a text box without text still has a frame;
  // an autoshape without text and a picture have none.
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"Box text\r"},
                                            {PieceKind::AutoShape, 0, 1, u"Member"},
                                            {PieceKind::AutoShape, 0, 2, u"Deeper"},
                                            {PieceKind::TextBox, 0, 0, u"Typed late"},
                                            {PieceKind::TextBox, 0, 0, u""}};
  EXPECT_EQ(Frames(document), frames);
}

TEST(RtfParser, ShapesInHeadersBelongToTheHeader) {
  const Document document =
      Parse(R"({\rtf1{\header H{\shp{\*\shpinst{\sp{\sn shapeType}{\sv 202}}{\shptxt In header}})"
            R"({\shprslt copy}}}Body})");
  EXPECT_TRUE(Frames(document).empty());
  const std::vector<PieceSummary> own = {{PieceKind::Header, 0, 0, u"H\rIn header"}};
  EXPECT_EQ(HeadersAndFooters(document), own);
}

TEST(RtfParser, ASecondDocumentStartsAfresh) {
  RtfParser parser;
  EXPECT_THROW(parser.Parse("{\\rtf1\\ansicpg1251{\\footnote a" + std::string(2000, '{')),
               RtfError);
  const Document second = parser.Parse(R"({\rtf1 \'e4{\footnote n}})");
  EXPECT_EQ(TextOf(second, PieceKind::Body), u"ä");  // not Cyrillic: that was the first file's
  EXPECT_EQ(TextOf(second, PieceKind::Footnote), u"n\r");
  EXPECT_EQ(second.sectionCount, 1);
}

TEST(RtfParser, RejectsWhatIsNotRtf) {
  EXPECT_THROW(Parse("hello"), RtfError);
  EXPECT_THROW(Parse(""), RtfError);
}

TEST(RtfParser, DeepNestingIsAnErrorNotACrash) {
  std::string rtf = "{\\rtf1 ";
  rtf.append(100000, '{');
  EXPECT_THROW(Parse(rtf), RtfError);
  std::string shallow = "{\\rtf1 ";
  shallow.append(500, '{');
  shallow += "deep";
  EXPECT_EQ(BodyOf(shallow), u"deep");
}

TEST(RtfParser, SectionsAndShapesAreCapped) {
  std::string sections = "{\\rtf1 ";
  for (int i = 0; i < 100001; ++i) sections += "\\sect ";
  EXPECT_THROW(Parse(sections), RtfError);
  std::string shapes = "{\\rtf1 ";
  for (int i = 0; i < 100001; ++i) shapes += "{\\shp}";
  EXPECT_THROW(Parse(shapes), RtfError);
  EXPECT_EQ(Parse("{\\rtf1 a\\sect b\\sect c}").sectionCount, 3);
}

TEST(RtfReader, FilesSayWhyTheyCannotBeRead) {
  test::TempDir dir;
  const std::string deep = dir.Write("deep.rtf", "{\\rtf1" + std::string(2000, '{'));
  const std::string huge = dir.Write("huge.rtf", "{\\rtf1 ");
  std::filesystem::resize_file(huge, (size_t{256} << 20) + 1);  // sparse: nothing is written
  const std::string missing = (dir.Path() / "missing.rtf").string();
  const std::pair<std::string, std::string> cases[] = {
      {deep, "The document is damaged (its groups are nested too deeply): " + deep},
      {huge, "The document is too large to open: " + huge},
      {missing, "The file could not be opened: " + missing + " (No such file or directory)"},
  };
  for (const auto& [path, saying] : cases) {
    try {
      ReadRtfDocument(path);
      ADD_FAILURE() << path << " was read";
    } catch (const ReaderError& error) {
      EXPECT_EQ(error.Reason(), saying);
    }
  }
}

TEST(RtfCodePages, DoubleByteCharacterAcrossALongRunStaysWhole) {
  std::vector<uint8_t> bytes((size_t{1} << 16) - 1, 'x');
  bytes.push_back(0x82);  // the lead byte ends the first slice
  bytes.push_back(0xA0);
  std::u16string out = u">";
  CodePageDecoder().Decode(932, bytes, out);
  ASSERT_EQ(out.size(), bytes.size());
  EXPECT_EQ(out.front(), u'>');
  EXPECT_EQ(out.substr(out.size() - 2), u"x\u3042");
}

TEST(RtfTokenizer, ControlWordsParametersAndSymbols) {
  RtfTokenizer tokenizer(
      "\\fs-24 x\\'e9\\~\\bin2 \\\\y\\abcdefghijklmnopqrstuvwxyzabcdefghij99999999999");
  RtfToken t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::ControlWord);
  EXPECT_EQ(t.text, "fs");
  EXPECT_TRUE(t.hasParameter);
  EXPECT_EQ(t.parameter, -24);
  t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::Text);
  EXPECT_EQ(t.text, "x");
  t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::HexByte);
  EXPECT_EQ(t.byte, 0xE9);
  t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::ControlSymbol);
  EXPECT_EQ(t.symbol, '~');
  t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::Binary);
  EXPECT_EQ(t.text, "\\\\");
  t = tokenizer.Next();
  EXPECT_EQ(t.text, "y");
  t = tokenizer.Next();  // an over-long word is cut, an over-long parameter held in range
  EXPECT_EQ(t.text.size(), 32u);
  EXPECT_EQ(t.parameter, 2147483647);
  EXPECT_EQ(tokenizer.Next().kind, RtfTokenKind::End);
}

TEST(RtfTokenizer, BinaryLengthBeyondTheDataStopsAtTheEnd) {
  RtfTokenizer tokenizer("\\bin999999 ab");
  const RtfToken t = tokenizer.Next();
  EXPECT_EQ(t.kind, RtfTokenKind::Binary);
  EXPECT_EQ(t.text, "ab");
  EXPECT_EQ(tokenizer.Next().kind, RtfTokenKind::End);
}

}  // namespace
}  // namespace tw
