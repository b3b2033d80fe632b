#include "formats/xml/XmlTextReader.h"

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "formats/common/XmlNodes.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

void AddTextNodes(pugi::xml_node node, Document& document, int& depth, int depthLimit) {
  const DepthGuard guard(depth, depthLimit);
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_element) {
      AddTextNodes(child, document, depth, depthLimit);
    } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      const std::string_view text = child.value();
      if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) continue;
      document.Add(PieceKind::Block, Utf8ToUtf16(text));
    }
  }
}

}  // namespace

Document XmlTextPieces(pugi::xml_node root, int depthLimit) {
  Document document;
  int depth = 0;
  AddTextNodes(root, document, depth, depthLimit);
  return document;
}

ReadResult ReadXmlText(const std::string& path) {
  return ReadGuarded(path, "The XML file cannot be read:", [&] {
    const ContainerLimits limits;
    pugi::xml_document xml;
    LoadXmlFile(xml, path, limits);
    return XmlTextPieces(xml, limits.maxXmlDepth);
  });
}

}  // namespace tw
