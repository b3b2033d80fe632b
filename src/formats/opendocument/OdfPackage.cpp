#include "formats/opendocument/OdfPackage.h"

#include <fstream>

#include "formats/common/TextFile.h"
#include "formats/common/XmlNodes.h"
#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"

namespace tw {
namespace {

pugi::xml_node RootElement(const pugi::xml_document& document) {
  return document.document_element();
}

std::string Leading(const std::string& path, size_t count) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

}  // namespace

OdfPackage::OdfPackage(const std::string& path, ContainerLimits limits) : limits_(limits) {
  if (Leading(path, 2) == "PK") {
    ZipPackage package(path, limits);
    if (!package.Has("content.xml")) throw ContainerError("not an OpenDocument file");
    ParseXmlPart(content_, package.Read("content.xml"), "content.xml", true);
    if (package.Has("styles.xml")) {
      ParseXmlPart(styles_, package.Read("styles.xml"), "styles.xml", true);
    }
  } else {
    LoadXmlFile(content_, path, limits, true);
    flat_ = true;
  }
  if (!ChildElement(RootElement(content_), "body")) {
    throw ContainerError("not an OpenDocument file");
  }
  CollectHiddenStyles(RootElement(content_));
  if (!flat_) CollectHiddenStyles(RootElement(styles_));
}

void OdfPackage::CollectHiddenStyles(pugi::xml_node root) {
  for (const char* group : {"automatic-styles", "styles"}) {
    for (pugi::xml_node style : ChildElement(root, group).children()) {
      if (!IsElement(style, "style")) continue;
      const pugi::xml_node properties = ChildElement(style, "text-properties");
      if (std::string_view(LocalAttribute(properties, "display").value()) == "none") {
        hiddenTextStyles_.insert(LocalAttribute(style, "name").value());
      }
    }
  }
}

pugi::xml_node OdfPackage::Body(std::string_view kind) const {
  const pugi::xml_node body = ChildElement(RootElement(content_), "body");
  const pugi::xml_node content = ChildElement(body, kind);
  if (!content) throw ContainerError("not an OpenDocument " + std::string(kind));
  return content;
}

pugi::xml_node OdfPackage::AutomaticStyle(std::string_view name) const {
  for (pugi::xml_node style : ChildElement(RootElement(content_), "automatic-styles").children()) {
    if (IsElement(style, "style") && name == LocalAttribute(style, "name").value()) return style;
  }
  return {};
}

pugi::xml_node OdfPackage::MasterStyles() const {
  return ChildElement(RootElement(flat_ ? content_ : styles_), "master-styles");
}

bool IsOpenDocumentPackage(const std::string& path) {
  try {
    const ZipPackage package(path);
    return package.Has("content.xml") && !package.Has("word/document.xml") &&
           !package.Has("ppt/presentation.xml");
  } catch (const ContainerError&) {
    return false;
  }
}

bool IsFlatOpenDocument(const std::string& path) {
  const std::string head = Leading(path, 512);
  return head.find("<office:document") != std::string::npos ||
         (head.starts_with("<?xml") && head.find("opendocument") != std::string::npos);
}

}  // namespace tw
