#include "formats/presentation/PptxXml.h"

#include <algorithm>
#include <vector>

#include "text/TextDecoding.h"

namespace tw::powerpoint {

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool Is(pugi::xml_node node, std::string_view localName) {
  return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

pugi::xml_node Child(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_node child : node.children()) {
    if (Is(child, localName)) return child;
  }
  return {};
}

pugi::xml_attribute PrefixedAttribute(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    const std::string_view name = attribute.name();
    if (name.find(':') != std::string_view::npos && LocalName(name) == localName) return attribute;
  }
  return {};
}

bool IsTrue(pugi::xml_attribute attribute) {
  const std::string_view value = attribute.value();
  return value == "1" || value == "true" || value == "on";
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  const auto* p = reinterpret_cast<const uint8_t*>(text.data());
  const uint8_t* end = p + text.size();
  while (p < end) {
    char32_t cp = *p;
    size_t length = 1;
    if (*p >= 0x80) {
      // A byte that starts no valid sequence stands for itself as a replacement character.
      length = DecodeUtf8Sequence(p, static_cast<size_t>(end - p), &cp);
      if (length == 0) cp = 0xFFFD, length = 1;
    }
    p += length;
    if (cp >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::u16string TextOfBody(pugi::xml_node body) {
  std::string text;
  bool first = true;
  for (pugi::xml_node paragraph : body.children()) {
    if (!Is(paragraph, "p")) continue;
    if (!first) text += '\r';
    first = false;
    for (pugi::xml_node run : paragraph.children()) {
      if (Is(run, "r") || Is(run, "fld")) text += Child(run, "t").child_value();
      if (Is(run, "br")) text += '\v';
    }
  }
  return Utf8ToUtf16(text);
}

std::string ResolvePartName(const std::string& sourcePart, const std::string& target) {
  std::string joined;
  if (!target.empty() && target.front() == '/') {
    joined = target.substr(1);
  } else {
    const size_t slash = sourcePart.rfind('/');
    joined =
        (slash == std::string::npos ? std::string() : sourcePart.substr(0, slash + 1)) + target;
  }
  std::vector<std::string> segments;
  size_t start = 0;
  while (start <= joined.size()) {
    const size_t end = std::min(joined.find('/', start), joined.size());
    const std::string segment = joined.substr(start, end - start);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }
  std::string resolved;
  for (const std::string& segment : segments) resolved += (resolved.empty() ? "" : "/") + segment;
  return resolved;
}

std::string RelationshipsPartOf(const std::string& partName) {
  const size_t slash = partName.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : partName.substr(0, slash + 1);
  const std::string file = slash == std::string::npos ? partName : partName.substr(slash + 1);
  return folder + "_rels/" + file + ".rels";
}

}  // namespace tw::powerpoint
