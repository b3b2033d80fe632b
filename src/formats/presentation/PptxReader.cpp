#include "formats/presentation/PptxReader.h"

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <string_view>

#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "text/TextDecoding.h"

namespace tw::powerpoint {
namespace {

// More cells than this in one table is a damaged or hostile file, not a slide.
constexpr size_t kMaxTableCells = size_t{1} << 22;

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool Is(pugi::xml_node node, std::string_view localName) {
  return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

// The first child element with that local name, whatever prefix the writer bound it to.
pugi::xml_node Child(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_node child : node.children()) {
    if (Is(child, localName)) return child;
  }
  return {};
}

// The attribute with that local name in some namespace (r:id, not the plain id).
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

// A text body as PowerPoint hands it out: paragraphs joined by "\r", line breaks as "\v".
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

// "ppt/slides/../media/x" → "ppt/media/x"; a leading "/" is the package root.
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

class PptxReader {
 public:
  PptxReader(const std::string& path, ContainerLimits limits)
      : package_(path, limits), limits_(limits) {}

  // Title masters belong to the older format; an Open XML presentation has none.
  Document Read() {
    const std::string presentationPart = MainPartName();
    pugi::xml_document presentation;
    ParseXmlPart(presentation, package_.Read(presentationPart), presentationPart);
    const std::map<std::string, std::string> targets = Relationships(presentationPart);
    const pugi::xml_node slideList = Child(presentation.document_element(), "sldIdLst");
    for (pugi::xml_node slideId : slideList.children()) {
      if (!Is(slideId, "sldId")) continue;
      const auto target = targets.find(PrefixedAttribute(slideId, "id").value());
      if (target == targets.end()) {
        throw ContainerError("the slide list names a slide the package does not relate");
      }
      ReadSlide(target->second);
    }
    return std::move(document_);
  }

 private:
  std::string MainPartName() {
    if (!package_.Has("_rels/.rels")) return "ppt/presentation.xml";
    pugi::xml_document rels;
    ParseXmlPart(rels, package_.Read("_rels/.rels"), "_rels/.rels");
    for (pugi::xml_node relationship : rels.document_element().children()) {
      const std::string_view type = relationship.attribute("Type").value();
      if (type.ends_with("/officeDocument")) {
        return ResolvePartName("", relationship.attribute("Target").value());
      }
    }
    throw ContainerError("the package has no presentation part");
  }

  // Relationship id → part name, for the internal relationships of a part.
  std::map<std::string, std::string> Relationships(const std::string& partName) {
    std::map<std::string, std::string> targets;
    const std::string relsPart = RelationshipsPartOf(partName);
    if (!package_.Has(relsPart)) return targets;
    pugi::xml_document rels;
    ParseXmlPart(rels, package_.Read(relsPart), relsPart);
    for (pugi::xml_node relationship : rels.document_element().children()) {
      if (std::string_view(relationship.attribute("TargetMode").value()) == "External") continue;
      targets[relationship.attribute("Id").value()] =
          ResolvePartName(partName, relationship.attribute("Target").value());
    }
    return targets;
  }

  // The slide's shapes, then its footer: the footer is not a shape of the slide but the text its
  // headers and footers show.
  void ReadSlide(const std::string& partName) {
    pugi::xml_document slide;
    ParseXmlPart(slide, package_.Read(partName), partName);
    footer_.clear();
    ReadShapes(Child(Child(slide.document_element(), "cSld"), "spTree"), 0, 0);
    document_.Add(PieceKind::SlideFooter, std::move(footer_), slide_);
    ++slide_;
  }

  // `nesting` counts every element level walked into, `groupDepth` only the groups.
  void ReadShapes(pugi::xml_node parent, int groupDepth, int nesting) {
    if (nesting > limits_.maxXmlDepth) throw ContainerError("shapes are nested too deeply");
    for (pugi::xml_node child : parent.children()) {
      if (Is(child, "sp")) {
        ReadShape(child, groupDepth);
      } else if (Is(child, "grpSp")) {
        ReadShapes(child, groupDepth + 1, nesting + 1);
      } else if (Is(child, "graphicFrame")) {
        ReadGraphicFrame(child, groupDepth);
      } else if (Is(child, "AlternateContent")) {
        // Both branches describe the same content: only one of them is read.
        pugi::xml_node branch = Child(child, "Choice");
        if (!branch) branch = Child(child, "Fallback");
        ReadShapes(branch, groupDepth, nesting + 1);
      }
      // Connectors and pictures have no text frame.
    }
  }

  // Footer, date and slide-number placeholders are the slide's headers and footers, not shapes of
  // their own; lines drawn as shapes have no text frame.
  void ReadShape(pugi::xml_node sp, int groupDepth) {
    const pugi::xml_node placeholder = Child(Child(Child(sp, "nvSpPr"), "nvPr"), "ph");
    const std::string_view placeholderType = placeholder.attribute("type").value();
    const pugi::xml_node body = Child(sp, "txBody");
    if (placeholder && placeholderType == "ftr") {
      footer_ = TextOfBody(body);
      return;
    }
    if (placeholder &&
        (placeholderType == "dt" || placeholderType == "sldNum" || placeholderType == "hdr")) {
      return;
    }
    const std::string_view geometry =
        Child(Child(sp, "spPr"), "prstGeom").attribute("prst").value();
    if (geometry == "line" || geometry.starts_with("straightConnector")) return;
    AddShape(TextOfBody(body), groupDepth);
  }

  // Charts and embedded objects have no text frame; a table's cells each have one.
  void ReadGraphicFrame(pugi::xml_node frame, int groupDepth) {
    const pugi::xml_node table = Child(Child(Child(frame, "graphic"), "graphicData"), "tbl");
    if (table) ReadTable(table, groupDepth);
  }

  // Every cell of the grid row by row; a row with fewer cells than the grid is padded with empty
  // ones.
  void ReadTable(pugi::xml_node table, int groupDepth) {
    std::vector<pugi::xml_node> rows;
    size_t columns = 0;
    for (pugi::xml_node column : Child(table, "tblGrid").children())
      columns += Is(column, "gridCol");
    for (pugi::xml_node row : table.children()) {
      if (!Is(row, "tr")) continue;
      rows.push_back(row);
      size_t cells = 0;
      for (pugi::xml_node cell : row.children()) cells += Is(cell, "tc");
      columns = std::max(columns, cells);
    }
    if (columns != 0 && rows.size() > kMaxTableCells / columns) {
      throw ContainerError("a table has more cells than a slide can hold");
    }
    for (pugi::xml_node row : rows) {
      size_t taken = 0;
      for (pugi::xml_node cell : row.children()) {
        if (!Is(cell, "tc")) continue;
        AddShape(TextOfCell(cell), groupDepth);
        ++taken;
      }
      for (; taken < columns; ++taken) AddShape({}, groupDepth);
    }
  }

  // A cell that a merge covers shows the merged cell's text; it has none of its own.
  static std::u16string TextOfCell(pugi::xml_node cell) {
    if (IsTrue(cell.attribute("hMerge")) || IsTrue(cell.attribute("vMerge"))) return {};
    return TextOfBody(Child(cell, "txBody"));
  }

  void AddShape(std::u16string text, int groupDepth) {
    document_.Add(PieceKind::SlideShape, std::move(text), slide_).groupDepth = groupDepth;
  }

  ZipPackage package_;
  ContainerLimits limits_;
  Document document_;
  int slide_ = 0;
  std::u16string footer_;  // of the slide being read
};

}  // namespace

Document ReadPptx(const std::string& path, ContainerLimits limits) {
  return PptxReader(path, limits).Read();
}

}  // namespace tw::powerpoint
