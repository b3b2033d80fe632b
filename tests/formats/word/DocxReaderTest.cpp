#include <gtest/gtest.h>
#include <zip.h>

#include <map>

#include "automation/AutomationError.h"
#include "formats/word/WordDocumentReader.h"
#include "formats/word/docx/DocxReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::ReadFileBytes;
using test::TempDir;

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
  WordDocument Read(const std::string& body) { return ReadDocxDocument(WriteDocx(dir, body)); }
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
    EXPECT_EQ(Read(c.body).mainText, c.text) << c.body;
  }
}

TEST_F(DocxReader, OnlyOneBranchOfAlternateContentIsRead) {
  const std::string understood = "<mc:AlternateContent><mc:Choice Requires=\"wps\">" +
                                 TextRun("choice") + "</mc:Choice><mc:Fallback>" +
                                 TextRun("fallback") + "</mc:Fallback></mc:AlternateContent>";
  EXPECT_EQ(Read(Paragraph(understood)).mainText, u"choice\r");
  const std::string unknown = "<mc:AlternateContent><mc:Choice Requires=\"wps future\">" +
                              TextRun("choice") + "</mc:Choice><mc:Fallback>" +
                              TextRun("fallback") + "</mc:Fallback></mc:AlternateContent>";
  EXPECT_EQ(Read(Paragraph(unknown)).mainText, u"fallback\r");
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
  const WordDocument document = Read(body);
  EXPECT_EQ(document.mainText, u"main\r");
  ASSERT_EQ(document.shapes.size(), 4u);
  EXPECT_EQ(document.shapes[0].type, WordShapeType::TextBox);
  EXPECT_EQ(document.shapes[0].frameText, u"box\r");
  EXPECT_EQ(document.shapes[1].type, WordShapeType::AutoShape);
  EXPECT_EQ(document.shapes[1].frameText, u"auto\r");
  const WordShapeModel& group = document.shapes[2];
  EXPECT_EQ(group.type, WordShapeType::Group);
  ASSERT_EQ(group.members.size(), 3u);
  EXPECT_EQ(group.members[0].frameText, u"m1\r");
  EXPECT_EQ(group.members[1].type, WordShapeType::Group);
  EXPECT_EQ(group.members[1].members.at(0).frameText, u"m2\r");
  EXPECT_EQ(group.members[2].type, WordShapeType::Picture);
  EXPECT_EQ(document.shapes[3].type, WordShapeType::Picture);
  EXPECT_FALSE(document.shapes[3].frameText.has_value());
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
  const WordDocument document = Read(body);
  EXPECT_EQ(document.mainText, u"\r");
  ASSERT_EQ(document.shapes.size(), 3u);
  EXPECT_EQ(document.shapes[0].type, WordShapeType::TextBox);
  EXPECT_EQ(document.shapes[0].frameText, u"vml box\r");
  EXPECT_EQ(document.shapes[1].type, WordShapeType::Group);
  ASSERT_EQ(document.shapes[1].members.size(), 2u);
  EXPECT_EQ(document.shapes[1].members[0].type, WordShapeType::AutoShape);
  EXPECT_EQ(document.shapes[1].members[0].frameText, u"in group\r");
  EXPECT_EQ(document.shapes[1].members[1].type, WordShapeType::Picture);
  EXPECT_EQ(document.shapes[2].type, WordShapeType::EmbeddedOleObject);
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
  const WordDocument document = ReadDocxDocument(WriteDocx(dir, body, parts, rels));
  EXPECT_EQ(document.mainText, u"one\rtwo\r");
  EXPECT_EQ(document.footnotes, u"note\r\r");
  EXPECT_EQ(document.endnotes, u"end\r\r");
  ASSERT_EQ(document.sections.size(), 2u);
  EXPECT_EQ(document.PrimaryHeader(0), u"Head\r");
  EXPECT_EQ(document.PrimaryFooter(0), u"Foot\r");
  EXPECT_EQ(document.PrimaryHeader(1), u"Head\r");  // linked to the first section's
  EXPECT_EQ(document.PrimaryFooter(1), u"Foot 2\r");
}

TEST_F(DocxReader, ABodyWithoutClosingSectionPropertiesStillEndsInASection) {
  const std::string body =
      Paragraph("<w:pPr><w:sectPr><w:headerReference r:id=\"h1\"/></w:sectPr></w:pPr>" +
                TextRun("one")) +
      Paragraph(TextRun("two"));
  const WordDocument document = ReadDocxDocument(
      WriteDocx(dir, body, {{"word/header1.xml", Part("w:hdr", Paragraph(TextRun("Head")))}},
                Rel("h1", "header", "header1.xml")));
  ASSERT_EQ(document.sections.size(), 2u);
  EXPECT_EQ(document.PrimaryHeader(1), u"Head\r");  // linked, having none of its own
  EXPECT_EQ(Read(Paragraph(TextRun("x"))).sections.size(), 1u);
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
    try {
      ReadWordDocument(c.path);
      ADD_FAILURE() << c.path;
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Source(), "Word");
      EXPECT_NE(error.Description().find(c.says), std::string::npos) << error.Description();
    }
  }
  try {
    ReadWordDocument(noRels);
    ADD_FAILURE();
  } catch (const AutomationError& error) {
    EXPECT_NE(error.Description().find("not a Word document"), std::string::npos);
  }
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
    EXPECT_THROW(ReadWordDocument(dir.Write("bad.docx", bytes)), AutomationError);
  }
  const std::string malformedXml = WriteDocx(dir, "<w:p><w:r><w:t>open");
  EXPECT_THROW(ReadDocxDocument(malformedXml), AutomationError);
}

TEST_F(DocxReader, DeepNestingIsRefused) {
  std::string deep;
  for (int k = 0; k < 5000; ++k) deep += "<w:sdtContent>";
  deep += Paragraph(TextRun("x"));
  for (int k = 0; k < 5000; ++k) deep += "</w:sdtContent>";
  try {
    Read(deep);
    ADD_FAILURE();
  } catch (const AutomationError& error) {
    EXPECT_NE(error.Description().find("nested too deeply"), std::string::npos);
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
  const WordDocument read = ReadDocxDocument(
      WritePackage(dir, {{"_rels/.rels", kPackageRels}, {"word/document.xml", document}}));
  EXPECT_EQ(read.mainText, u"plain \r");
  ASSERT_EQ(read.shapes.size(), 1u);
  EXPECT_EQ(read.shapes[0].type, WordShapeType::TextBox);
  EXPECT_EQ(read.shapes[0].frameText, u"boxed\r");
}

}  // namespace
}  // namespace tw
