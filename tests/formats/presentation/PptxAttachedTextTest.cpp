#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptxAttachedText.h"

namespace tw::powerpoint {
namespace {

using Texts = std::vector<std::u16string>;

constexpr const char* kNamespaces =
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")"
    R"( xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart")"
    R"( xmlns:dgm="http://schemas.openxmlformats.org/drawingml/2006/diagram")"
    R"( xmlns:p188="http://schemas.microsoft.com/office/powerpoint/2018/8/main")";

// Parses `xml`, its root element given its namespace declarations.
pugi::xml_node Parse(pugi::xml_document& document, const std::string& root,
                     const std::string& inner) {
  const std::string name = root.substr(0, root.find(' '));
  const std::string xml = "<" + root + kNamespaces + ">" + inner + "</" + name + ">";
  EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
  return document.document_element();
}

std::string Shape(const std::string& placeholder, const std::string& text) {
  return "<p:sp><p:nvSpPr><p:nvPr>" + placeholder +
         "</p:nvPr></p:nvSpPr><p:txBody><a:p><a:r><a:t>" + text +
         "</a:t></a:r></a:p></p:txBody></p:sp>";
}

TEST(PptxAttachedText, NotesLeaveTheSlideImageAndHeadersAndFootersOut) {
  pugi::xml_document document;
  const pugi::xml_node notes =
      Parse(document, "p:notes",
            "<p:cSld><p:spTree>" + Shape(R"(<p:ph type="sldImg"/>)", "image") +
                Shape(R"(<p:ph type="body" idx="1"/>)", "Say hello") +
                Shape(R"(<p:ph type="sldNum"/>)", "3") + Shape(R"(<p:ph type="ftr"/>)", "foot") +
                "<p:grpSp>" + Shape("", "grouped note") + "</p:grpSp>" + Shape("", "free text") +
                "</p:spTree></p:cSld>");
  EXPECT_EQ(NotesTexts(notes, 8), (Texts{u"Say hello", u"grouped note", u"free text"}));
  EXPECT_THROW(NotesTexts(notes, 0), ContainerError);
}

TEST(PptxAttachedText, CommentsOfBothGenerationsWithTheirReplies) {
  pugi::xml_document legacy;
  EXPECT_EQ(CommentTexts(
                Parse(legacy, "p:cmLst",
                      R"(<p:cm authorId="0"><p:pos x="1" y="1"/><p:text>First one</p:text></p:cm>)"
                      R"(<p:cm authorId="1"><p:text>Second</p:text></p:cm>)")),
            (Texts{u"First one", u"Second"}));
  pugi::xml_document modern;
  EXPECT_EQ(CommentTexts(Parse(modern, "p188:cmLst",
                               "<p188:cm><p188:txBody><a:p><a:r><a:t>Check this</a:t></a:r></a:p>"
                               "</p188:txBody><p188:replyLst><p188:reply><p188:txBody><a:p><a:r>"
                               "<a:t>Done</a:t></a:r></a:p></p188:txBody></p188:reply>"
                               "</p188:replyLst></p188:cm>")),
            (Texts{u"Check this", u"Done"}));
}

std::string Cache(std::initializer_list<const char*> values) {
  std::string xml = "<c:strCache>";
  for (const char* value : values) xml += std::string("<c:pt><c:v>") + value + "</c:v></c:pt>";
  return xml + "</c:strCache>";
}

TEST(PptxAttachedText, ChartsGiveTitlesSeriesAndCategoriesOnce) {
  const std::string rich =
      "<c:tx><c:rich><a:p><a:r><a:t>Sales by region</a:t></a:r></a:p></c:rich></c:tx>";
  const std::string series1 = "<c:ser><c:tx><c:strRef><c:f>Sheet1!$B$1</c:f>" + Cache({"North"}) +
                              "</c:strRef></c:tx><c:cat><c:strRef>" + Cache({"Q1", "Q2"}) +
                              "</c:strRef></c:cat><c:val><c:numRef>" + Cache({"12"}) +
                              "</c:numRef></c:val></c:ser>";
  const std::string series2 = "<c:ser><c:tx><c:v>South</c:v></c:tx><c:cat><c:strRef>" +
                              Cache({"Q1", "Q2"}) + "</c:strRef></c:cat></c:ser>";
  pugi::xml_document document;
  const pugi::xml_node chart =
      Parse(document, "c:chartSpace",
            "<c:chart><c:title>" + rich + "</c:title><c:plotArea><c:barChart>" + series1 + series2 +
                "</c:barChart><c:catAx><c:title><c:tx><c:strRef>" + Cache({"Quarter"}) +
                "</c:strRef></c:tx></c:title></c:catAx><c:valAx/></c:plotArea></c:chart>");
  EXPECT_EQ(ChartTexts(chart, 16),
            (Texts{u"Sales by region", u"North", u"Q1", u"Q2", u"South", u"Quarter"}));
}

TEST(PptxAttachedText, DiagramNodesButNotTheirConnections) {
  pugi::xml_document document;
  const auto point = [](const std::string& type, const std::string& text) {
    return "<dgm:pt" + type + "><dgm:t><a:p><a:r><a:t>" + text +
           "</a:t></a:r></a:p></dgm:t></dgm:pt>";
  };
  const pugi::xml_node data =
      Parse(document, "dgm:dataModel",
            "<dgm:ptLst><dgm:pt type=\"doc\"/>" + point("", "Plan") +
                point(R"( type="parTrans")", "link") + point(R"( type="node")", "Build") +
                point(R"( type="asst")", "Help") + "<dgm:pt type=\"pres\"/></dgm:ptLst>");
  EXPECT_EQ(DiagramTexts(data), (Texts{u"Plan", u"Build", u"Help"}));
}

}  // namespace
}  // namespace tw::powerpoint
