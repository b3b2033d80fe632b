#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

// Small helpers for the XML parts of a presentation package: writers bind the namespaces to
// prefixes of their choosing, so elements are matched by local name.
namespace tw::powerpoint {

std::string_view LocalName(std::string_view name);
bool Is(pugi::xml_node node, std::string_view localName);
// The first child element with that local name, whatever prefix the writer bound it to.
pugi::xml_node Child(pugi::xml_node node, std::string_view localName);
// The attribute with that local name in some namespace (r:id, not the plain id).
pugi::xml_attribute PrefixedAttribute(pugi::xml_node node, std::string_view localName);
bool IsTrue(pugi::xml_attribute attribute);
std::u16string Utf8ToUtf16(std::string_view text);
// A text body as PowerPoint hands it out: paragraphs joined by "\r", line breaks as "\v".
std::u16string TextOfBody(pugi::xml_node body);
// "ppt/slides/../media/x" → "ppt/media/x"; a leading "/" is the package root.
std::string ResolvePartName(const std::string& sourcePart, const std::string& target);
std::string RelationshipsPartOf(const std::string& partName);

}  // namespace tw::powerpoint
