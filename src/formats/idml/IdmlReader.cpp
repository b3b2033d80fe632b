#include "formats/idml/IdmlReader.h"

#include <pugixml.hpp>
#include <string_view>

#include "formats/common/ReaderEntry.h"
#include "formats/common/XmlNodes.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

class IdmlBuilder {
 public:
  explicit IdmlBuilder(const std::string& path) : package_(path) {}

  Document Build() {
    pugi::xml_document map;
    const pugi::xml_node root = Load(map, "designmap.xml");
    Document document;
    for (pugi::xml_node story : root.children()) {
      if (!IsElement(story, "Story")) continue;
      const std::string part = story.attribute("src").value();
      if (part.empty() || !package_.Has(part)) continue;
      std::string text = StoryText(part);
      if (!text.empty()) document.Add(PieceKind::Block, Utf8ToUtf16(text));
    }
    return document;
  }

 private:
  pugi::xml_node Load(pugi::xml_document& xml, const std::string& part) {
    if (!package_.Has(part)) throw ContainerError(part + " is missing");
    ParseXmlPart(xml, package_.Read(part), part);
    return xml.document_element();
  }

  std::string StoryText(const std::string& part) {
    pugi::xml_document xml;
    std::string text;
    depth_ = 0;
    AppendContent(Load(xml, part), text);
    return text;
  }

  // Only Content elements hold the story's text; the rest are properties and structure.
  void AppendContent(pugi::xml_node node, std::string& out) {
    const DepthGuard guard(depth_, limits_.maxXmlDepth);
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      const std::string_view local = LocalName(child.name());
      if (local == "Content") {
        // Processing instructions may split a Content's text; every text node of it counts.
        for (pugi::xml_node text : child.children()) {
          if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata) {
            out += text.value();
          }
        }
      } else if (local == "Br") {
        out += '\n';
      } else if (local != "Properties") {
        AppendContent(child, out);
      }
    }
  }

  ContainerLimits limits_;
  ZipPackage package_;
  int depth_ = 0;
};

}  // namespace

ReadResult ReadIdml(const std::string& path) {
  return ReadGuarded(
      path, "The InDesign file cannot be read:", [&] { return IdmlBuilder(path).Build(); });
}

}  // namespace tw
