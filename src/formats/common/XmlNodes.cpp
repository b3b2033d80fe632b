#include "formats/common/XmlNodes.h"

#include "formats/container/ContainerError.h"

namespace tw {

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool IsElement(pugi::xml_node node, std::string_view localName) {
  return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

pugi::xml_node ChildElement(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_node child : node.children()) {
    if (IsElement(child, localName)) return child;
  }
  return {};
}

pugi::xml_attribute LocalAttribute(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    if (LocalName(attribute.name()) == localName) return attribute;
  }
  return {};
}

bool IsSetFlag(std::string_view value) {
  return value == "1" || value == "true" || value == "yes" || value == "on" || value == "locked";
}

DepthGuard::DepthGuard(int& depth, int limit) : depth_(depth) {
  if (++depth_ > limit) {
    --depth_;
    throw ContainerError("its content is nested too deeply");  // XML or JSON alike
  }
}

}  // namespace tw
