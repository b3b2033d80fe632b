#pragma once

#include <pugixml.hpp>
#include <string>

namespace tw {

// Parses one XML part of a package. Document type declarations are skipped and entities are
// never expanded beyond the five predefined ones. Throws ContainerError on malformed XML.
// `keepBlankText` keeps every white-space-only text node, for formats where a blank between
// two inline elements is text.
void ParseXmlPart(pugi::xml_document& document, const std::string& text,
                  const std::string& partName, bool keepBlankText = false);

}  // namespace tw
