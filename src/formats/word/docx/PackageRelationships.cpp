#include "formats/word/docx/PackageRelationships.h"

#include <pugixml.hpp>
#include <vector>

#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"

namespace tw {
namespace {

std::string RelationshipsPartOf(const std::string& sourcePart) {
  const size_t slash = sourcePart.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : sourcePart.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? sourcePart : sourcePart.substr(slash + 1);
  return folder + "_rels/" + name + ".rels";
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> segments;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    segments.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return segments;
}

}  // namespace

PackageRelationships PackageRelationships::Read(ZipPackage& package,
                                                const std::string& sourcePart) {
  PackageRelationships relationships;
  const std::string relsPart = RelationshipsPartOf(sourcePart);
  if (!package.Has(relsPart)) return relationships;
  pugi::xml_document xml;
  ParseXmlPart(xml, package.Read(relsPart), relsPart);
  for (const pugi::xml_node node : xml.document_element().children("Relationship")) {
    if (std::string_view(node.attribute("TargetMode").value()) == "External") continue;
    Relationship relationship{node.attribute("Type").value(),
                              ResolvePartName(sourcePart, node.attribute("Target").value())};
    relationships.byId_.emplace(node.attribute("Id").value(), std::move(relationship));
  }
  return relationships;
}

const PackageRelationships::Relationship* PackageRelationships::Find(const std::string& id) const {
  const auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : &it->second;
}

const PackageRelationships::Relationship* PackageRelationships::FindByType(
    const std::string& typeTail) const {
  const std::string tail = "/" + typeTail;
  for (const auto& [id, relationship] : byId_) {
    if (relationship.type.ends_with(tail)) return &relationship;
  }
  return nullptr;
}

std::vector<const PackageRelationships::Relationship*> PackageRelationships::FindAllByType(
    const std::string& typeTail) const {
  const std::string tail = "/" + typeTail;
  std::vector<const Relationship*> found;
  for (const auto& [id, relationship] : byId_) {
    if (relationship.type.ends_with(tail)) found.push_back(&relationship);
  }
  return found;
}

std::string ResolvePartName(const std::string& sourcePart, const std::string& target) {
  std::vector<std::string> resolved;
  if (!target.starts_with("/")) {
    resolved = SplitPath(sourcePart);
    resolved.pop_back();  // the source part's own name
  }
  for (const std::string& segment : SplitPath(target)) {
    if (segment.empty() || segment == ".") continue;
    if (segment == "..") {
      if (!resolved.empty()) resolved.pop_back();
      continue;
    }
    resolved.push_back(segment);
  }
  std::string name;
  for (const std::string& segment : resolved) {
    if (segment.empty()) continue;
    if (!name.empty()) name += '/';
    name += segment;
  }
  return name;
}

}  // namespace tw
