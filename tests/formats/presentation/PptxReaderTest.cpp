#include <gtest/gtest.h>
#include <zip.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptxReader.h"
#include "support/TempDir.h"

namespace tw::powerpoint {
namespace {

using test::TempDir;

constexpr char kNamespaces[] =
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\" "
    "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";
constexpr char kRelNs[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Writes a package of the given parts with libzip.
std::string WritePackage(const TempDir& dir, const std::map<std::string, std::string>& parts) {
  const std::string path = (dir.Path() / "deck.pptx").string();
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create the test package");
  for (const auto& [name, data] : parts) {
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
      zip_source_free(source);
      zip_discard(archive);
      throw std::runtime_error("cannot add " + name);
    }
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    throw std::runtime_error("cannot write the test package");
  }
  return path;
}

std::string Sp(const std::string& text, const std::string& placeholder = "") {
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"\"/><p:cNvSpPr/><p:nvPr>" + placeholder +
         "</p:nvPr></p:nvSpPr><p:spPr/><p:txBody><a:bodyPr/><a:p><a:r><a:t>" + text +
         "</a:t></a:r></a:p></p:txBody></p:sp>";
}

std::string SlideXml(const std::string& shapes) {
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><p:sld ") + kNamespaces +
         "><p:cSld><p:spTree><p:nvGrpSpPr/><p:grpSpPr/>" + shapes + "</p:spTree></p:cSld></p:sld>";
}

// A package whose presentation lists the given slides (part names under ppt/slides/).
std::map<std::string, std::string> Package(const std::vector<std::string>& slides) {
  std::string ids;
  std::string rels;
  for (size_t i = 0; i < slides.size(); ++i) {
    const std::string id = "rId" + std::to_string(i + 7);
    ids += "<p:sldId id=\"" + std::to_string(256 + i) + "\" r:id=\"" + id + "\"/>";
    rels += "<Relationship Id=\"" + id + "\" Type=\"" + kRelNs + "/slide\" Target=\"slides/s" +
            std::to_string(i + 1) + ".xml\"/>";
  }
  std::map<std::string, std::string> parts = {
      {"_rels/.rels", std::string("<Relationships><Relationship Id=\"rId1\" Type=\"") + kRelNs +
                          "/officeDocument\" Target=\"/ppt/presentation.xml\"/></Relationships>"},
      {"ppt/presentation.xml", std::string("<p:presentation ") + kNamespaces + "><p:sldIdLst>" +
                                   ids + "</p:sldIdLst></p:presentation>"},
      {"ppt/_rels/presentation.xml.rels", "<Relationships>" + rels + "</Relationships>"},
  };
  for (size_t i = 0; i < slides.size(); ++i) {
    parts["ppt/slides/s" + std::to_string(i + 1) + ".xml"] = SlideXml(slides[i]);
  }
  return parts;
}

// A piece as the tests compare it: kind, slide, group depth, text.
using Piece = std::tuple<PieceKind, int, int, std::u16string>;

std::vector<Piece> PiecesOf(const Document& document) {
  std::vector<Piece> pieces;
  for (const TextPiece& piece : document.pieces) {
    pieces.emplace_back(piece.kind, piece.container, piece.groupDepth, piece.text);
  }
  return pieces;
}

constexpr PieceKind kShape = PieceKind::SlideShape;
constexpr PieceKind kFooter = PieceKind::SlideFooter;

TEST(PptxReader, ReadsOneBranchOfAlternateContent) {
  TempDir dir;
  const Document document = ReadPptx(
      WritePackage(dir, Package({"<mc:AlternateContent><mc:Choice Requires=\"p14\">" +
                                 Sp("chosen") + "</mc:Choice><mc:Fallback>" + Sp("fallback") +
                                 "</mc:Fallback></mc:AlternateContent>"})));
  EXPECT_EQ(PiecesOf(document),
            (std::vector<Piece>{{kShape, 0, 0, u"chosen"}, {kFooter, 0, 0, u""}}));
}

TEST(PptxReader, HeaderAndFooterPlaceholdersAreNotShapes) {
  TempDir dir;
  const Document document = ReadPptx(WritePackage(
      dir, Package({Sp("Title", "<p:ph type=\"title\"/>") + Sp("Foot", "<p:ph type=\"ftr\"/>") +
                        Sp("1/1/2026", "<p:ph type=\"dt\"/>") + Sp("7", "<p:ph type=\"sldNum\"/>"),
                    Sp("plain")})));
  EXPECT_EQ(PiecesOf(document), (std::vector<Piece>{{kShape, 0, 0, u"Title"},
                                                    {kFooter, 0, 0, u"Foot"},
                                                    {kShape, 1, 0, u"plain"},
                                                    {kFooter, 1, 0, u""}}));
  EXPECT_FALSE(document.hasTitleMaster);
}

TEST(PptxReader, TextAsPowerPointHandsItOut) {
  TempDir dir;
  const std::string body =
      "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr>"
      "<p:txBody><a:bodyPr/><a:p><a:r><a:t>one </a:t></a:r><a:r><a:t>two</a:t></a:r><a:br/>"
      "<a:fld type=\"slidenum\"><a:t>3</a:t></a:fld></a:p><a:p/><a:p><a:r><a:t>"
      "\xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80 \xFF</a:t></a:r></a:p></p:txBody></p:sp>";
  const Document document = ReadPptx(WritePackage(dir, Package({body})));
  ASSERT_EQ(document.pieces.size(), 2u);
  EXPECT_EQ(document.pieces[0].text, u"one two\v3\r\r\u041F\u0440\u0438 \U0001F600 \uFFFD");
}

// Lines, connectors and pictures have no text frame; a group's members lie one level deeper, and
// so do the cells of a table inside it.
TEST(PptxReader, GroupsTablesAndShapesWithoutText) {
  TempDir dir;
  const std::string line =
      "<p:sp><p:nvSpPr><p:nvPr/></p:nvSpPr><p:spPr><a:prstGeom prst=\"line\"/></p:spPr></p:sp>"
      "<p:cxnSp/><p:pic/>";
  const std::string table =
      "<p:graphicFrame><a:graphic><a:graphicData><a:tbl><a:tblGrid><a:gridCol/><a:gridCol/>"
      "</a:tblGrid><a:tr><a:tc gridSpan=\"2\"><a:txBody><a:p><a:r><a:t>wide</a:t></a:r></a:p>"
      "</a:txBody></a:tc><a:tc hMerge=\"1\"><a:txBody><a:p><a:r><a:t>wide</a:t></a:r></a:p>"
      "</a:txBody></a:tc></a:tr><a:tr><a:tc><a:txBody><a:p><a:r><a:t>a</a:t></a:r></a:p>"
      "</a:txBody></a:tc></a:tr></a:tbl></a:graphicData></a:graphic></p:graphicFrame>";
  const Document document = ReadPptx(WritePackage(
      dir, Package({line + "<p:grpSp>" + Sp("member") + table + "<p:grpSp>" + Sp("deeper") +
                    "</p:grpSp></p:grpSp>" + Sp("top", "<p:ph type=\"body\"/>")})));
  EXPECT_EQ(PiecesOf(document), (std::vector<Piece>{{kShape, 0, 1, u"member"},
                                                    {kShape, 0, 1, u"wide"},
                                                    {kShape, 0, 1, u""},
                                                    {kShape, 0, 1, u"a"},
                                                    {kShape, 0, 1, u""},
                                                    {kShape, 0, 2, u"deeper"},
                                                    {kShape, 0, 0, u"top"},
                                                    {kFooter, 0, 0, u""}}));
}

TEST(PptxReader, DamagedPackagesSayWhy) {
  std::string deep;
  for (int i = 0; i < 400; ++i) deep += "<p:grpSp>";
  for (int i = 0; i < 400; ++i) deep += "</p:grpSp>";
  std::map<std::string, std::string> missingSlide = Package({Sp("x")});
  missingSlide.erase("ppt/slides/s1.xml");
  std::map<std::string, std::string> unrelated = Package({Sp("x")});
  unrelated["ppt/_rels/presentation.xml.rels"] = "<Relationships/>";
  std::map<std::string, std::string> malformed = Package({Sp("x")});
  malformed["ppt/slides/s1.xml"] = "<p:sld><p:cSld>";
  const struct {
    std::map<std::string, std::string> parts;
    const char* why;
  } cases[] = {
      {Package({deep}), "nested too deeply"},
      {missingSlide, "no part ppt/slides/s1.xml"},
      {unrelated, "does not relate"},
      {malformed, "damaged XML in ppt/slides/s1.xml"},
      {{{"_rels/.rels", "<Relationships/>"}}, "no presentation part"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    try {
      ReadPptx(WritePackage(dir, c.parts));
      ADD_FAILURE() << c.why;
    } catch (const ContainerError& error) {
      EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace tw::powerpoint
