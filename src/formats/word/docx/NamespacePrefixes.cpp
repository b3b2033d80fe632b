#include "formats/word/docx/NamespacePrefixes.h"

#include <map>
#include <string>
#include <string_view>

namespace tw {
namespace {

const char* UsualPrefixOf(std::string_view uri) {
  static const std::map<std::string_view, const char*> prefixes = {
      {"http://schemas.openxmlformats.org/wordprocessingml/2006/main", "w"},
      {"http://purl.oclc.org/ooxml/wordprocessingml/main", "w"},
      {"http://schemas.openxmlformats.org/officeDocument/2006/relationships", "r"},
      {"http://purl.oclc.org/ooxml/officeDocument/relationships", "r"},
      {"http://schemas.openxmlformats.org/markup-compatibility/2006", "mc"},
      {"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing", "wp"},
      {"http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing", "wp"},
      {"http://schemas.openxmlformats.org/drawingml/2006/main", "a"},
      {"http://purl.oclc.org/ooxml/drawingml/main", "a"},
      {"http://schemas.openxmlformats.org/drawingml/2006/picture", "pic"},
      {"http://purl.oclc.org/ooxml/drawingml/picture", "pic"},
      {"http://schemas.microsoft.com/office/word/2010/wordprocessingShape", "wps"},
      {"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup", "wpg"},
      {"http://schemas.openxmlformats.org/officeDocument/2006/math", "m"},
      {"http://purl.oclc.org/ooxml/officeDocument/math", "m"},
      {"http://schemas.openxmlformats.org/drawingml/2006/chart", "c"},
      {"http://purl.oclc.org/ooxml/drawingml/chart", "c"},
      {"http://schemas.openxmlformats.org/drawingml/2006/diagram", "dgm"},
      {"http://purl.oclc.org/ooxml/drawingml/diagram", "dgm"},
      {"urn:schemas-microsoft-com:vml", "v"},
      {"urn:schemas-microsoft-com:office:office", "o"},
  };
  const auto it = prefixes.find(uri);
  return it == prefixes.end() ? nullptr : it->second;
}

// Declared prefix ("" for the default namespace) -> usual prefix, for those that differ.
using Renames = std::map<std::string, std::string, std::less<>>;

Renames RenamesDeclaredOn(pugi::xml_node root) {
  Renames renames;
  for (const pugi::xml_attribute attribute : root.attributes()) {
    const std::string_view name = attribute.name();
    if (name != "xmlns" && !name.starts_with("xmlns:")) continue;
    const char* usual = UsualPrefixOf(attribute.value());
    if (!usual) continue;
    const std::string declared(name == "xmlns" ? "" : name.substr(6));
    if (declared != usual) renames.emplace(declared, usual);
  }
  return renames;
}

// The name with its prefix replaced, or empty when it keeps its name.
std::string Renamed(std::string_view name, const Renames& renames, bool usesDefault) {
  const size_t colon = name.find(':');
  const std::string_view prefix = colon == std::string_view::npos ? "" : name.substr(0, colon);
  if (prefix.empty() && !usesDefault) return {};
  const auto it = renames.find(prefix);
  if (it == renames.end()) return {};
  const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
  return it->second + ":" + std::string(local);
}

std::string RenamedRequirements(std::string_view requires_, const Renames& renames) {
  std::string result;
  size_t start = 0;
  while (start < requires_.size()) {
    const size_t end = std::min(requires_.find(' ', start), requires_.size());
    const std::string_view prefix = requires_.substr(start, end - start);
    const auto it = renames.find(prefix);
    if (!result.empty()) result += ' ';
    result += it == renames.end() ? std::string(prefix) : it->second;
    start = end + 1;
  }
  return result;
}

class Renamer : public pugi::xml_tree_walker {
 public:
  explicit Renamer(const Renames& renames) : renames_(renames) {}
  bool for_each(pugi::xml_node& node) override {
    if (node.type() != pugi::node_element) return true;
    const std::string name = Renamed(node.name(), renames_, true);
    if (!name.empty()) node.set_name(name.c_str());
    for (pugi::xml_attribute attribute : node.attributes()) {
      const std::string attributeName = Renamed(attribute.name(), renames_, false);
      if (!attributeName.empty()) attribute.set_name(attributeName.c_str());
    }
    if (std::string_view(node.name()) == "mc:Choice") {
      pugi::xml_attribute requires_ = node.attribute("Requires");
      requires_.set_value(RenamedRequirements(requires_.value(), renames_).c_str());
    }
    return true;
  }

 private:
  const Renames& renames_;
};

}  // namespace

void NormalizeNamespacePrefixes(pugi::xml_document& part) {
  pugi::xml_node root = part.document_element();
  const Renames renames = RenamesDeclaredOn(root);
  if (renames.empty()) return;
  Renamer renamer(renames);
  part.traverse(renamer);  // the root element is among the document's descendants
}

}  // namespace tw
