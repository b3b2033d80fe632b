#pragma once

#include <pugixml.hpp>
#include <set>
#include <string>
#include <string_view>

#include "formats/container/ContainerLimits.h"

namespace tw {

// An OpenDocument file's content and styles, from a package (odt, ods, odp and their templates)
// or from one flat XML file (fodt, fods, fodp), which holds both in one tree.
class OdfPackage {
 public:
  // Throws ContainerError when the file is neither.
  explicit OdfPackage(const std::string& path, ContainerLimits limits = {});

  // office:body's child of that kind: "text", "spreadsheet" or "presentation". Throws
  // ContainerError when the document is of another kind.
  pugi::xml_node Body(std::string_view kind) const;
  // office:master-styles (header, footer and master-page frames); empty when there is none.
  pugi::xml_node MasterStyles() const;
  // Names of the styles, automatic or not, whose text is not displayed.
  const std::set<std::string>& HiddenTextStyles() const { return hiddenTextStyles_; }
  // The automatic style of the content with that name; empty when there is none.
  pugi::xml_node AutomaticStyle(std::string_view name) const;
  const ContainerLimits& Limits() const { return limits_; }

 private:
  void CollectHiddenStyles(pugi::xml_node root);

  pugi::xml_document content_;
  pugi::xml_document styles_;
  bool flat_ = false;
  std::set<std::string> hiddenTextStyles_;
  ContainerLimits limits_;
};

// Whether a ZIP package is an OpenDocument file (its content.xml beside no Office main part).
bool IsOpenDocumentPackage(const std::string& path);
// Whether a file starts like flat OpenDocument XML.
bool IsFlatOpenDocument(const std::string& path);

}  // namespace tw
