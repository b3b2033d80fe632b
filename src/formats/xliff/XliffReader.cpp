#include "formats/xliff/XliffReader.h"

#include <algorithm>
#include <array>
#include <pugixml.hpp>
#include <set>
#include <string_view>

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "formats/common/XmlNodes.h"
#include "formats/container/ContainerError.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// Inline codes that stand for native markup: their own content is code, not text, but a
// sub-flow inside them is text.
bool IsCode(std::string_view local) {
  static constexpr std::array<std::string_view, 11> kCodes = {"bpt", "ept", "ph", "it", "x", "bx",
                                                              "ex",  "sc",  "ec", "sm", "em"};
  return std::find(kCodes.begin(), kCodes.end(), local) != kCodes.end();
}

bool IsNotTranslated(pugi::xml_node node) {
  return std::string_view(LocalAttribute(node, "translate").value()) == "no" ||
         IsSetFlag(LocalAttribute(node, "locked").value());
}

class XliffWalker {
 public:
  XliffWalker(XliffSide side, int depthLimit) : side_(side), depthLimit_(depthLimit) {}

  Document Walk(pugi::xml_node root) {
    if (LocalName(root.name()) != "xliff") throw ContainerError("not an XLIFF file");
    WalkStructure(root);
    return std::move(document_);
  }

 private:
  const char* Side() const { return side_ == XliffSide::Source ? "source" : "target"; }

  void WalkStructure(pugi::xml_node node) {
    const DepthGuard guard(depth_, depthLimit_);
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element || IsNotTranslated(child)) continue;
      const std::string_view local = LocalName(child.name());
      if (local == "trans-unit") {
        AddTransUnit(child);
      } else if (local == "unit") {
        AddUnit(child);
      } else if (local == "file" || local == "body" || local == "group") {
        WalkStructure(child);
      }
    }
  }

  // XLIFF 1.2: a segmented copy (seg-source) is read where the tool wrote one, so that its
  // locked segments can be left out.
  void AddTransUnit(pugi::xml_node unit) {
    lockedSegments_.clear();
    for (pugi::xml_node seg : ChildElement(unit, "seg-defs").children()) {
      if (IsSetFlag(LocalAttribute(seg, "locked").value())) {
        lockedSegments_.insert(LocalAttribute(seg, "id").value());
      }
    }
    pugi::xml_node text = ChildElement(unit, Side());
    if (side_ == XliffSide::Source && ChildElement(unit, "seg-source")) {
      text = ChildElement(unit, "seg-source");
    }
    AddText(text);
  }

  // XLIFF 2.0: each segment of the unit; ignorable parts hold only white space between them.
  void AddUnit(pugi::xml_node unit) {
    lockedSegments_.clear();
    for (pugi::xml_node segment : unit.children()) {
      if (IsElement(segment, "segment") && !IsNotTranslated(segment)) {
        AddText(ChildElement(segment, Side()));
      }
    }
  }

  void AddText(pugi::xml_node text) {
    if (!text) return;
    std::string content;
    AppendInline(text, content);
    if (!content.empty()) document_.Add(PieceKind::Segment, Utf8ToUtf16(content));
  }

  void AppendInline(pugi::xml_node node, std::string& out) {
    const DepthGuard guard(depth_, depthLimit_);
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        out += child.value();
        continue;
      }
      if (child.type() != pugi::node_element) continue;
      const std::string_view local = LocalName(child.name());
      if (IsCode(local)) {
        AppendSubFlows(child, out);
      } else if (local == "mrk" && lockedSegments_.contains(LocalAttribute(child, "mid").value())) {
        continue;
      } else {
        AppendInline(child, out);
      }
    }
  }

  void AppendSubFlows(pugi::xml_node code, std::string& out) {
    const DepthGuard guard(depth_, depthLimit_);
    for (pugi::xml_node child : code.children()) {
      if (IsElement(child, "sub"))
        AppendInline(child, out);
      else if (child.type() == pugi::node_element)
        AppendSubFlows(child, out);
    }
  }

  XliffSide side_;
  int depthLimit_;
  int depth_ = 0;
  std::set<std::string, std::less<>> lockedSegments_;
  Document document_;
};

}  // namespace

ReadResult ReadXliff(const std::string& path, XliffSide side) {
  return ReadGuarded(path, "The XLIFF file cannot be read:", [&] {
    const ContainerLimits limits;
    pugi::xml_document xml;
    LoadXmlFile(xml, path, limits, true);
    return XliffWalker(side, limits.maxXmlDepth).Walk(xml.document_element());
  });
}

}  // namespace tw
