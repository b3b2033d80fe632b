#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace tw {

// Element and attribute names without their namespace prefix: writers bind prefixes as they like.
std::string_view LocalName(std::string_view name);
bool IsElement(pugi::xml_node node, std::string_view localName);
// The first child element with that local name.
pugi::xml_node ChildElement(pugi::xml_node node, std::string_view localName);
// The attribute with that local name, prefixed or not.
pugi::xml_attribute LocalAttribute(pugi::xml_node node, std::string_view localName);
// "1", "true", "yes", "on" and "locked", as the formats spell a set flag.
bool IsSetFlag(std::string_view value);

// Bounds a recursive walk over an untrusted tree: deeper than the limit is a damaged file.
class DepthGuard {
 public:
  DepthGuard(int& depth, int limit);
  ~DepthGuard() { --depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace tw
