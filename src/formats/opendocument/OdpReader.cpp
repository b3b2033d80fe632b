#include "formats/opendocument/OdpReader.h"

#include <map>
#include <string_view>

#include "formats/common/XmlNodes.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/opendocument/OdfParagraphs.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// PowerPoint hands a shape's text out with paragraphs joined by "\r" and no mark after the last.
std::u16string AsShapeText(std::u16string text) {
  if (text.ends_with(u'\r')) text.pop_back();
  return text;
}

class OdpBuilder {
 public:
  explicit OdpBuilder(const OdfPackage& package)
      : package_(package),
        paragraphs_(package.HiddenTextStyles(), package.Limits().maxXmlDepth, u'\v', true) {}

  Document Build() {
    const pugi::xml_node body = package_.Body("presentation");
    for (pugi::xml_node child : body.children()) {
      if (IsElement(child, "footer-decl"))
        footers_[LocalAttribute(child, "name").value()] = Utf8ToUtf16(child.text().get());
    }
    int slide = 0;
    for (pugi::xml_node page : body.children()) {
      if (!IsElement(page, "page")) continue;
      AddSlide(page, slide++);
    }
    return std::move(document_);
  }

 private:
  void AddSlide(pugi::xml_node page, int slide) {
    const pugi::xml_node properties =
        ChildElement(package_.AutomaticStyle(LocalAttribute(page, "style-name").value()),
                     "drawing-page-properties");
    const bool hidden =
        std::string_view(LocalAttribute(properties, "visibility").value()) == "hidden";
    const size_t first = document_.pieces.size();
    for (pugi::xml_node shape : page.children()) {
      if (IsDrawnShape(shape)) AddShape(shape, slide, 0);
      if (IsElement(shape, "notes")) AddNotes(shape, slide);
    }
    const auto footer = footers_.find(LocalAttribute(page, "use-footer-name").value());
    const bool footerShown =
        std::string_view(LocalAttribute(properties, "display-footer").value()) != "false";
    if (footer != footers_.end() && footerShown) {
      document_.Add(PieceKind::SlideFooter, footer->second, slide);
    }
    for (size_t i = first; i < document_.pieces.size(); ++i) document_.pieces[i].hidden = hidden;
  }

  void AddShape(pugi::xml_node shape, int slide, int groupDepth) {
    const DepthGuard guard(depth_, package_.Limits().maxXmlDepth);
    if (IsElement(shape, "g")) {
      for (pugi::xml_node member : shape.children()) {
        if (IsDrawnShape(member)) AddShape(member, slide, groupDepth + 1);
      }
      return;
    }
    if (const pugi::xml_node table = ChildElement(shape, "table")) {
      AddTable(table, slide, groupDepth);
      return;
    }
    const pugi::xml_node textBox = ChildElement(shape, "text-box");
    std::u16string text = AsShapeText(paragraphs_.Blocks(textBox ? textBox : shape));
    if (text.empty()) return;
    document_.Add(PieceKind::SlideShape, std::move(text), slide).groupDepth = groupDepth;
  }

  void AddTable(pugi::xml_node parent, int slide, int groupDepth) {
    const DepthGuard guard(depth_, package_.Limits().maxXmlDepth);
    for (pugi::xml_node child : parent.children()) {
      const std::string_view local = LocalName(child.name());
      if (local == "table-cell") {
        std::u16string text = AsShapeText(paragraphs_.Blocks(child));
        if (!text.empty())
          document_.Add(PieceKind::SlideShape, std::move(text), slide).groupDepth = groupDepth;
      } else if (local == "table-row" || local == "table-rows" || local == "table-header-rows" ||
                 local == "table-row-group") {
        AddTable(child, slide, groupDepth);
      }
    }
  }

  void AddNotes(pugi::xml_node notes, int slide) {
    std::u16string text;
    for (pugi::xml_node shape : notes.children()) {
      // The notes page shows a picture of the slide (a thumbnail, or a frame of class "page");
      // the rest of its text frames are the notes.
      const pugi::xml_node textBox = ChildElement(shape, "text-box");
      if (!textBox || std::string_view(LocalAttribute(shape, "class").value()) == "page") continue;
      text += paragraphs_.Blocks(textBox);
    }
    if (!text.empty()) document_.Add(PieceKind::Notes, AsShapeText(std::move(text)), slide);
  }

  const OdfPackage& package_;
  OdfParagraphs paragraphs_;
  Document document_;
  std::map<std::string, std::u16string, std::less<>> footers_;
  int depth_ = 0;
};

}  // namespace

Document ReadOdpDocument(const std::string& path) {
  const OdfPackage package(path);
  return OdpBuilder(package).Build();
}

}  // namespace tw
