#pragma once

#include <pugixml.hpp>
#include <string>

namespace tw {

// Parses one XML part of a package. Document type declarations are skipped and entities are
// never expanded beyond the five predefined ones. Throws ContainerError on malformed XML.
void ParseXmlPart(pugi::xml_document& document, const std::string& text,
                  const std::string& partName);

}  // namespace tw
