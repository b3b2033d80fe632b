#include <gtest/gtest.h>
#include <zip.h>

#include <map>

#include "formats/ReadResult.h"
#include "formats/word/PieceSummary.h"
#include "formats/word/WordReader.h"
#include "formats/word/docx/DocxReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::Frames;
using test::HeadersAndFooters;
using test::PiecesOf;
using test::PieceSummary;
using test::ReadFileBytes;
using test::TempDir;
using test::TextOf;

const char* const kNamespaces =
    R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
    R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
    R"( xmlns:wpg="http://schemas.microsoft.com/office/word/2010/wordprocessingGroup")"
    R"( xmlns:v="urn:schemas-microsoft-com:vml" xmlns:o="urn:schemas-microsoft-com:office:office")";

const char* const kPackageRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

// Writes a package of the given parts with libzip.
std::string WritePackage(const TempDir& dir, const std::map<std::string, std::string>& parts) {
  const std::string path = (dir.Path() / "test.docx").string();
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  for (const auto& [name, content] : parts) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
  }
  zip_close(archive);
  return path;
}

// A package whose document body is `body`, with optional extra parts and document relationships.
std::string WriteDocx(const TempDir& dir, const std::string& body,
                      std::map<std::string, std::string> extra = {},
                      const std::string& documentRels = "") {
  extra["_rels/.rels"] = kPackageRels;
  extra["word/document.xml"] = std::string("<?xml version=\"1.0\"?><w:document") + kNamespaces +
                               "><w:body>" + body + "</w:body></w:document>";
  extra["word/_rels/document.xml.rels"] =
      R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
      documentRels + "</Relationships>";
  return WritePackage(dir, extra);
}

std::string Part(const char* root, const std::string& content) {
  return std::string("<?xml version=\"1.0\"?><") + root + kNamespaces + ">" + content + "</" +
         root + ">";
}

std::string Rel(const std::string& id, const std::string& type, const std::string& target) {
  return "<Relationship Id=\"" + id +
         "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
         "\" Target=\"" + target + "\"/>";
}

std::string Paragraph(const std::string& runs) {
  return "<w:p>" + runs + "</w:p>";
}
std::string TextRun(const std::string& text) {
  return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

class DocxReader : public ::testing::Test {
 protected:
  Document Read(const std::string& body) { return ReadDocxDocument(WriteDocx(dir, body)); }
  std::u16string BodyOf(const std::string& body) { return TextOf(Read(body), PieceKind::Body); }
  TempDir dir;
};

TEST_F(DocxReader, RunContentBecomesStoryText) {
  const struct {
    std::string body;
    std::u16string text;
  } cases[] = {
      {Paragraph(TextRun("one") + TextRun(" two")) + Paragraph(TextRun("three")),
       u"one two\rthree\r"},
      {Paragraph("<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t><w:cr/></w:r>"),
       u"a\tb\rc\r\r"},
      {Paragraph("<w:r><w:t>well</w:t><w:noBreakHyphen/><w:t>known</w:t></w:r>"),
       u"well\u2011known\r"},
      {Paragraph("<w:r><w:t>hy</w:t><w:softHyphen/><w:t>phen</w:t></w:r>"), u"hyphen\r"},
      {Paragraph("<w:r><w:sym w:font=\"Symbol\" w:char=\"F0B7\"/></w:r>"), u"\uF0B7\r"},
      {Paragraph("<w:ins><w:r><w:t>new</w:t></w:r></w:ins><w:del><w:r><w:delText>old</w:delText>"
                 "</w:r></w:del><w:moveFrom><w:r><w:t>gone</w:t></w:r></w:moveFrom>"),
       u"new\r"},
      {Paragraph("<w:r><w:rPr><w:vanish/></w:rPr><w:t>hidden</w:t></w:r>"
                 "<w:r><w:rPr><w:vanish w:val=\"0\"/></w:rPr><w:t>shown</w:t></w:r>"),
       u"shown\r"},
      {Paragraph("<w:fldSimple w:instr=\" PAGE \"><w:r><w:t>7</w:t></w:r></w:fldSimple>"), u"7\r"},
      // A field inside another's result: both codes skipped, both results kept.
      {Paragraph("<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>HYPERLINK x"
                 "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                 TextRun("see ") +
                 "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:t>code</w:t></w:r>"
                 "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                 TextRun("page") +
                 "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
                 "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>" +
                 TextRun(" after")),
       u"see page after\r"},
      // A field without a result shows nothing; an unbalanced end is ignored.
      {Paragraph("<w:r><w:fldChar w:fldCharType=\"begin\"/><w:instrText>PAGE</w:instrText>"
                 "<w:fldChar w:fldCharType=\"end\"/><w:fldChar w:fldCharType=\"end\"/></w:r>" +
                 TextRun("x")),
       u"x\r"},
      {"<w:tbl><w:tr><w:tc>" + Paragraph(TextRun("a")) + "</w:tc><w:tc>" + Paragraph(TextRun("b")) +
           "</w:tc></w:tr></w:tbl>",
       u"a\rb\r"},
      {Paragraph("<w:hyperlink r:id=\"x\">" + TextRun("link") +
                 "</w:hyperlink><w:sdt><w:sdtPr>"
                 "<w:alias w:val=\"t\"/></w:sdtPr><w:sdtContent>" +
                 TextRun("ctl") + "</w:sdtContent></w:sdt>"),
       u"linkctl\r"},
      {Paragraph(TextRun("\xD0\x9F\xE6\x97\xA5\xF0\xA0\x80\x80")), u"\u041f\u65e5\U00020000\r"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BodyOf(c.body), c.text) << c.body;
  }
}

TEST_F(DocxReader, OnlyOneBranchOfAlternateContentIsRead) {
  const std::string understood = "<mc:AlternateContent><mc:Choice Requires=\"wps\">" +
                                 TextRun("choice") + "</mc:Choice><mc:Fallback>" +
                                 TextRun("fallback") + "</mc:Fallback></mc:AlternateContent>";
  EXPECT_EQ(BodyOf(Paragraph(understood)), u"choice\r");
  const std::string unknown = "<mc:AlternateContent><mc:Choice Requires=\"wps future\">" +
                              TextRun("choice") + "</mc:Choice><mc:Fallback>" +
                              TextRun("fallback") + "</mc:Fallback></mc:AlternateContent>";
  EXPECT_EQ(BodyOf(Paragraph(unknown)), u"fallback\r");
}

std::string Anchor(const std::string& graphic) {
  return "<w:r><w:drawing><wp:anchor><a:graphic><a:graphicData>" + graphic +
         "</a:graphicData></a:graphic></wp:anchor></w:drawing></w:r>";
}
std::string Wsp(bool textBox, const std::string& text) {
  return std::string("<wps:wsp><wps:cNvSpPr") + (textBox ? " txBox=\"1\"" : "") +
         "/><wps:txbx><w:txbxContent>" + Paragraph(TextRun(text)) +
         "</w:txbxContent></wps:txbx></wps:wsp>";
}

TEST_F(DocxReader, FloatingShapesKeepTheirTextOutOfTheMainText) {
  const std::string body =
      Paragraph(TextRun("main") + Anchor(Wsp(true, "box")) + Anchor(Wsp(false, "auto")) +
                Anchor("<wpg:wgp><wpg:cNvGrpSpPr/>" + Wsp(true, "m1") + "<wpg:grpSp>" +
                       Wsp(false, "m2") + "</wpg:grpSp><pic:pic xmlns:pic=\"p\"/></wpg:wgp>") +
                Anchor("<pic:pic xmlns:pic=\"p\"/>") +
                "<w:r><w:drawing><wp:inline><a:graphic><a:graphicData>" + Wsp(true, "inline") +
                "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>");
  const Document document = Read(body);
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"main\r");
  // The group's members a level deeper, the inner group's two; pictures have no frame.
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"box\r"},
                                            {PieceKind::AutoShape, 0, 0, u"auto\r"},
                                            {PieceKind::TextBox, 0, 1, u"m1\r"},
                                            {PieceKind::AutoShape, 0, 2, u"m2\r"}};
  EXPECT_EQ(Frames(document), frames);
}

TEST_F(DocxReader, VmlShapesGroupsAndEmbeddedObjects) {
  const std::string abs = " style=\"position:absolute;left:0\"";
  const std::string body = Paragraph(
      "<w:r><w:pict><v:shape type=\"#_x0000_t202\"" + abs + "><v:textbox><w:txbxContent>" +
      Paragraph(TextRun("vml box")) +
      "</w:txbxContent></v:textbox></v:shape></w:pict></w:r>"
      "<w:r><w:pict><v:group" +
      abs + "><v:rect><v:textbox><w:txbxContent>" + Paragraph(TextRun("in group")) +
      "</w:txbxContent></v:textbox></v:rect><v:shape><v:imagedata r:id=\"x\"/></v:shape>"
      "</v:group></w:pict></w:r>"
      "<w:r><w:object><v:shape" +
      abs +
      "><v:imagedata r:id=\"y\"/></v:shape><o:OLEObject/>"
      "</w:object></w:r>"
      "<w:r><w:pict><v:shape style=\"width:10pt\"><v:imagedata r:id=\"z\"/></v:shape></w:pict>"
      "</w:r>");
  const Document document = Read(body);
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"\r");
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"vml box\r"},
                                            {PieceKind::AutoShape, 0, 1, u"in group\r"}};
  EXPECT_EQ(Frames(document), frames);
}

TEST_F(DocxReader, TableCellsArePiecesOfTheirOwnEndingAtABreak) {
  const auto cell = [](const std::string& content) { return "<w:tc>" + content + "</w:tc>"; };
  const std::string inner = "<w:tbl><w:tr>" + cell(Paragraph(TextRun("in"))) + "</w:tr></w:tbl>";
  const std::string body = Paragraph(TextRun("before")) + "<w:tbl><w:tr>" +
                           cell(Paragraph(TextRun("a b"))) +
                           cell(Paragraph(TextRun("c")) + inner + Paragraph(TextRun("d"))) +
                           "</w:tr></w:tbl>" + Paragraph(TextRun("after"));
  const std::vector<PieceSummary> pieces = {
      {PieceKind::Body, 0, 0, u"before\r"}, {PieceKind::TableCell, 0, 0, u"a b\r"},
      {PieceKind::TableCell, 0, 0, u"c\r"}, {PieceKind::TableCell, 0, 0, u"in\r"},
      {PieceKind::TableCell, 0, 0, u"d\r"}, {PieceKind::Body, 0, 0, u"after\r"}};
  EXPECT_EQ(PiecesOf(Read(body), {PieceKind::Body, PieceKind::TableCell}), pieces);
  // A cell whose text does not end in a break is not cut off from what follows.
  const std::string stray = "<w:tbl><w:tr>" + cell(TextRun("x")) + "</w:tr></w:tbl>" +
                            Paragraph(TextRun("y")) + "<w:tbl><w:tr>" + cell(TextRun("z")) +
                            "</w:tr></w:tbl>";
  const std::vector<PieceSummary> joined = {{PieceKind::TableCell, 0, 0, u"xy\r"},
                                            {PieceKind::Body, 0, 0, u"z"}};
  EXPECT_EQ(PiecesOf(Read(stray), {PieceKind::Body, PieceKind::TableCell}), joined);
}

TEST_F(DocxReader, SectionsNotesHeadersAndFootersThroughRelationships) {
  const std::string body =
      Paragraph(
          "<w:pPr><w:sectPr><w:headerReference w:type=\"default\" r:id=\"h1\"/>"
          "<w:headerReference w:type=\"first\" r:id=\"h2\"/>"
          "<w:footerReference w:type=\"default\" r:id=\"f1\"/></w:sectPr></w:pPr>" +
          TextRun("one")) +
      Paragraph(TextRun("two")) +
      "<w:sectPr><w:footerReference w:type=\"default\" r:id=\"f2\"/>"
      "</w:sectPr>";
  const std::string rels =
      Rel("h1", "header", "header1.xml") + Rel("h2", "header", "header2.xml") +
      Rel("f1", "footer", "/word/footer1.xml") + Rel("f2", "footer", "../word/footer2.xml") +
      Rel("n1", "footnotes", "footnotes.xml") + Rel("n2", "endnotes", "endnotes.xml");
  const std::map<std::string, std::string> parts = {
      {"word/header1.xml", Part("w:hdr", Paragraph(TextRun("Head")))},
      {"word/header2.xml", Part("w:hdr", Paragraph(TextRun("First page")))},
      {"word/footer1.xml", Part("w:ftr", Paragraph(TextRun("Foot")))},
      {"word/footer2.xml", Part("w:ftr", Paragraph(TextRun("Foot 2")))},
      {"word/footnotes.xml", Part("w:footnotes", "<w:footnote w:type=\"separator\" w:id=\"0\">" +
                                                     Paragraph("<w:r><w:separator/></w:r>") +
                                                     "</w:footnote><w:footnote w:id=\"1\">" +
                                                     Paragraph(TextRun("note")) + "</w:footnote>")},
      {"word/endnotes.xml",
       Part("w:endnotes", "<w:endnote w:id=\"1\">" + Paragraph(TextRun("end")) + "</w:endnote>")},
  };
  const Document document = ReadDocxDocument(WriteDocx(dir, body, parts, rels));
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"one\rtwo\r");
  EXPECT_EQ(TextOf(document, PieceKind::Footnote), u"note\r\r");
  EXPECT_EQ(TextOf(document, PieceKind::Endnote), u"end\r\r");
  EXPECT_EQ(document.sectionCount, 2);
  // The second section has no header of its own: it shows the first one's.
  const std::vector<PieceSummary> own = {{PieceKind::Header, 0, 0, u"Head\r"},
                                         {PieceKind::Footer, 0, 0, u"Foot\r"},
                                         {PieceKind::Footer, 1, 0, u"Foot 2\r"}};
  EXPECT_EQ(HeadersAndFooters(document), own);
}

std::string Frame(const std::string& text) {
  return "<w:r><w:drawing><wp:anchor><a:graphic><a:graphicData><wps:wsp>"
         "<wps:cNvSpPr txBox=\"1\"/><wps:txbx><w:txbxContent>" +
         Paragraph(TextRun(text)) + "</w:txbxContent></wps:txbx></wps:wsp></a:graphicData>" +
         "</a:graphic></wp:anchor></w:drawing></w:r>";
}

TEST_F(DocxReader, LeftOutContentComesApartForTheCounterToChoose) {
  const std::string body =
      Paragraph(TextRun("Shown") + "<w:r><w:rPr><w:vanish/></w:rPr><w:t>secret</w:t></w:r>" +
                TextRun(" text") + "<w:r><w:rPr><w:vanish/></w:rPr><w:t>more</w:t></w:r>") +
      "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"h1\"/></w:sectPr>";
  const std::string rels =
      Rel("h1", "header", "header1.xml") + Rel("c1", "comments", "comments.xml") +
      Rel("ch", "chart", "charts/chart1.xml") + Rel("dg", "diagramData", "diagrams/data1.xml");
  const std::map<std::string, std::string> parts = {
      {"word/header1.xml",
       Part("w:hdr", Paragraph(TextRun("Head") + Frame("Boxed") +
                               "<w:r><w:rPr><w:vanish/></w:rPr><w:t>gone</w:t></w:r>"))},
      {"word/comments.xml",
       Part("w:comments", "<w:comment w:id=\"0\">" + Paragraph(TextRun("First remark")) +
                              "</w:comment><w:comment w:id=\"1\">" + Paragraph(TextRun("Second")) +
                              "</w:comment>")},
      {"word/charts/chart1.xml",
       "<c:chartSpace xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\" "
       "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><c:chart><c:title>"
       "<c:tx><c:rich><a:p><a:r><a:t>Sales</a:t></a:r></a:p></c:rich></c:tx></c:title>"
       "<c:plotArea><c:barChart><c:ser><c:tx><c:strRef><c:strCache><c:pt idx=\"0\"><c:v>Widgets"
       "</c:v></c:pt></c:strCache></c:strRef></c:tx><c:cat><c:strRef><c:strCache><c:pt idx=\"0\">"
       "<c:v>North</c:v></c:pt></c:strCache></c:strRef></c:cat><c:val><c:numRef><c:numCache>"
       "<c:pt idx=\"0\"><c:v>12</c:v></c:pt></c:numCache></c:numRef></c:val></c:ser>"
       "<c:ser><c:tx><c:v>Gadgets</c:v></c:tx><c:cat><c:strRef><c:strCache><c:pt idx=\"0\">"
       "<c:v>North</c:v></c:pt></c:strCache></c:strRef></c:cat></c:ser></c:barChart>"
       "<c:valAx><c:title><c:tx><c:rich><a:p><a:r><a:t>Units</a:t></a:r></a:p></c:rich></c:tx>"
       "</c:title></c:valAx></c:plotArea></c:chart></c:chartSpace>"},
      {"word/diagrams/data1.xml",
       "<dgm:dataModel xmlns:dgm=\"http://schemas.openxmlformats.org/drawingml/2006/diagram\" "
       "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><dgm:ptLst>"
       "<dgm:pt type=\"doc\"><dgm:t><a:p><a:r><a:t>never</a:t></a:r></a:p></dgm:t></dgm:pt>"
       "<dgm:pt><dgm:t><a:p><a:r><a:t>Plan</a:t></a:r></a:p><a:p><a:r><a:t>Do</a:t></a:r></a:p>"
       "</dgm:t></dgm:pt><dgm:pt type=\"pres\"><dgm:t><a:p><a:r><a:t>layout</a:t></a:r></a:p>"
       "</dgm:t></dgm:pt></dgm:ptLst></dgm:dataModel>"},
  };
  const Document document = ReadDocxDocument(WriteDocx(dir, body, parts, rels));
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"Shown text\r");
  EXPECT_EQ(TextOf(document, PieceKind::Body, true), u"secret\rmore\r");
  EXPECT_EQ(TextOf(document, PieceKind::Comment), u"First remark\r\rSecond\r\r");
  EXPECT_EQ(TextOf(document, PieceKind::Chart), u"Sales\rWidgets\rNorth\rGadgets\rUnits\r");
  EXPECT_EQ(TextOf(document, PieceKind::Diagram), u"Plan\rDo\r");
  // The header's text box belongs to the header; its hidden text stays apart.
  EXPECT_EQ(TextOf(document, PieceKind::Header), u"Head\rBoxed\r");
  EXPECT_EQ(TextOf(document, PieceKind::Header, true), u"gone\r");
  EXPECT_TRUE(Frames(document).empty());
}

TEST_F(DocxReader, ABodyWithoutClosingSectionPropertiesStillEndsInASection) {
  const std::string body =
      Paragraph("<w:pPr><w:sectPr><w:headerReference r:id=\"h1\"/></w:sectPr></w:pPr>" +
                TextRun("one")) +
      Paragraph(TextRun("two"));
  const Document document = ReadDocxDocument(
      WriteDocx(dir, body, {{"word/header1.xml", Part("w:hdr", Paragraph(TextRun("Head")))}},
                Rel("h1", "header", "header1.xml")));
  EXPECT_EQ(document.sectionCount, 2);
  const std::vector<PieceSummary> own = {{PieceKind::Header, 0, 0, u"Head\r"}};
  EXPECT_EQ(HeadersAndFooters(document), own);
  EXPECT_EQ(Read(Paragraph(TextRun("x"))).sectionCount, 1);
}

TEST_F(DocxReader, EveryBodyIsReadInOrder) {
  const std::string next = "</w:body><w:body>";
  const struct {
    std::string bodies;
    int sections;
  } cases[] = {
      {Paragraph(TextRun("one")) + next + Paragraph(TextRun("two")), 1},
      {Paragraph(TextRun("one")) + "<w:sectPr/>" + next + Paragraph(TextRun("two")), 2},
      {Paragraph(TextRun("one")) + next + next + Paragraph(TextRun("two")) + "<w:sectPr/>", 1},
  };
  for (const auto& c : cases) {
    const Document document = Read(c.bodies);
    EXPECT_EQ(TextOf(document, PieceKind::Body), u"one\rtwo\r") << c.bodies;
    EXPECT_EQ(document.sectionCount, c.sections) << c.bodies;
  }
}

TEST_F(DocxReader, FilesThatAreNotWordDocumentsSayWhy) {
  const std::string notZip = dir.Write("plain.docx", "just some text");
  const std::string noRels = WritePackage(dir, {{"word/document.xml", "<w:document/>"}});
  const struct {
    std::string path;
    const char* says;
  } cases[] = {
      {notZip, "not a Word document"},
      {(dir.Path() / "missing.docx").string(), "could not be found"},
      {dir.Write("empty.docx", ""), "not a Word document"},
  };
  for (const auto& c : cases) {
    const ReadResult result = ReadWordDocument(c.path);
    ASSERT_FALSE(result.Ok()) << c.path;
    EXPECT_NE(result.Error().Reason().find(c.says), std::string::npos) << result.Error().Reason();
  }
  const ReadResult result = ReadWordDocument(noRels);
  ASSERT_FALSE(result.Ok());
  EXPECT_EQ(result.Error().Reason(),
            "The file is not a Word document (it names no main document part): " + noRels);
}

TEST_F(DocxReader, DamagedPackagesAreErrorsNotCrashes) {
  const std::string fixture = ReadFileBytes(FixturePath("word/textbox.docx"));
  std::vector<std::string> damaged = {
      fixture.substr(0, fixture.size() / 2),
      fixture.substr(0, 200),
  };
  std::string flipped = fixture;
  for (size_t k = 100; k < flipped.size(); k += 97) flipped[k] = static_cast<char>(~flipped[k]);
  damaged.push_back(flipped);
  for (const std::string& bytes : damaged) {
    const ReadResult result = ReadWordDocument(dir.Write("bad.docx", bytes));
    ASSERT_FALSE(result.Ok());
    EXPECT_TRUE(result.Error().Reason().starts_with("The document is damaged: "))
        << result.Error().Reason();
  }
  const std::string malformedXml = WriteDocx(dir, "<w:p><w:r><w:t>open");
  EXPECT_THROW(ReadDocxDocument(malformedXml), ReaderError);
}

TEST_F(DocxReader, DeepNestingIsRefused) {
  std::string deep;
  for (int k = 0; k < 5000; ++k) deep += "<w:sdtContent>";
  deep += Paragraph(TextRun("x"));
  for (int k = 0; k < 5000; ++k) deep += "</w:sdtContent>";
  try {
    Read(deep);
    ADD_FAILURE();
  } catch (const ReaderError& error) {
    EXPECT_EQ(error.Reason(), "The document is damaged: its elements are nested too deeply.");
  }
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

TEST_F(DocxReader, OtherPrefixesAndADefaultNamespaceReadTheSame) {
  const std::string document =
      R"(<?xml version="1.0"?><document xmlns="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
      R"( xmlns:x="http://schemas.openxmlformats.org/markup-compatibility/2006")"
      R"( xmlns:s="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
      R"( xmlns:d="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
      R"( xmlns:g="http://schemas.openxmlformats.org/drawingml/2006/main"><body><p><r>)"
      R"(<t xml:space="preserve">plain </t><rPr/></r><r><rPr><vanish/></rPr><t>hidden</t></r>)"
      R"(<r><x:AlternateContent><x:Choice Requires="s"><drawing><d:anchor><g:graphic><g:graphicData>)"
      R"(<s:wsp><s:cNvSpPr txBox="1"/><s:txbx><txbxContent><p><r><t>boxed</t></r></p>)"
      R"(</txbxContent></s:txbx></s:wsp></g:graphicData></g:graphic></d:anchor></drawing>)"
      R"(</x:Choice><x:Fallback><t>fallback</t></x:Fallback></x:AlternateContent></r></p>)"
      R"(</body></document>)";
  const Document read = ReadDocxDocument(
      WritePackage(dir, {{"_rels/.rels", kPackageRels}, {"word/document.xml", document}}));
  EXPECT_EQ(TextOf(read, PieceKind::Body), u"plain \r");
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"boxed\r"}};
  EXPECT_EQ(Frames(read), frames);
}

}  // namespace
}  // namespace tw
