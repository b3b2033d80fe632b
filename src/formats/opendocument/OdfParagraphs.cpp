#include "formats/opendocument/OdfParagraphs.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "formats/common/XmlNodes.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// More repeated spaces than this in one text:s is a hostile file, not layout.
constexpr long kMaxSpaces = 1000;

bool InNamespace(pugi::xml_node node, std::string_view prefix) {
  const std::string_view name = node.name();
  return name.size() > prefix.size() && name.starts_with(prefix) && name[prefix.size()] == ':';
}

// Elements whose text is not shown in the running text, or is taken elsewhere.
bool IsSkipped(std::string_view local) {
  static constexpr std::array<std::string_view, 9> kSkipped = {
      "tracked-changes", "change",   "change-start",   "change-end",    "soft-page-break",
      "note-citation",   "bookmark", "sequence-decls", "annotation-end"};
  return std::find(kSkipped.begin(), kSkipped.end(), local) != kSkipped.end();
}

// The format collapses each run of blanks, tabs and line ends in text into one blank and drops it
// at a paragraph's start; text:s, text:tab and text:line-break say where more is meant.
void AppendCollapsed(std::string_view text, std::string& out) {
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (!blank) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
}

}  // namespace

bool IsDrawnShape(pugi::xml_node node) {
  if (node.type() != pugi::node_element || !InNamespace(node, "draw")) return false;
  const std::string_view local = LocalName(node.name());
  return local == "frame" || local == "custom-shape" || local == "g" || local == "rect" ||
         local == "ellipse" || local == "polygon" || local == "path" || local == "circle";
}

bool OdfParagraphs::IsHidden(pugi::xml_node element) const {
  const char* style = LocalAttribute(element, "style-name").value();
  return *style != '\0' && hiddenStyles_.contains(style);
}

void OdfParagraphs::AppendBlocks(pugi::xml_node parent, std::u16string& out) {
  const DepthGuard guard(depth_, depthLimit_);
  for (pugi::xml_node child : parent.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::string_view local = LocalName(child.name());
    if (local == "p" || local == "h") {
      if (IsHidden(child)) continue;
      std::string text;
      AppendInline(child, text);
      out += Utf8ToUtf16(text);
      out += u'\r';
    } else if (local == "table" && separateTables_) {
      tables.push_back(child);
    } else if (local == "annotation") {
      annotations.push_back(child);
    } else if (IsDrawnShape(child)) {
      frames.push_back(child);
    } else if (local == "list" || local == "list-item" || local == "list-header" ||
               local == "section" || local == "table" || local == "table-row" ||
               local == "table-rows" || local == "table-header-rows" ||
               local == "table-row-group" || local == "table-cell" || local == "index-body" ||
               local == "table-of-content" || local == "alphabetical-index" ||
               local == "illustration-index" || local == "bibliography" || local == "user-index") {
      AppendBlocks(child, out);
    }
  }
}

void OdfParagraphs::AppendInline(pugi::xml_node parent, std::string& out) {
  const DepthGuard guard(depth_, depthLimit_);
  for (pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      AppendCollapsed(child.value(), out);
    } else if (child.type() == pugi::node_element) {
      AppendInlineElement(child, out);
    }
  }
}

void OdfParagraphs::AppendInlineElement(pugi::xml_node element, std::string& out) {
  const std::string_view local = LocalName(element.name());
  if (IsSkipped(local) || IsHidden(element)) return;
  if (local == "s") {
    const long count = std::clamp(LocalAttribute(element, "c").as_int(1), 1, int{kMaxSpaces});
    out.append(static_cast<size_t>(count), ' ');
  } else if (local == "tab") {
    out += '\t';
  } else if (local == "line-break") {
    out += Utf16ToUtf8(std::u16string(1, lineBreak_));
  } else if (local == "note") {
    notes.push_back(element);
  } else if (local == "annotation") {
    annotations.push_back(element);
  } else if (IsDrawnShape(element)) {
    frames.push_back(element);
  } else if (local == "hidden-text" || local == "hidden-paragraph") {
    return;
  } else {
    AppendInline(element, out);
  }
}

}  // namespace tw
