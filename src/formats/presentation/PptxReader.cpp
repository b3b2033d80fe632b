#include "formats/presentation/PptxReader.h"

#include <algorithm>
#include <list>
#include <map>
#include <pugixml.hpp>
#include <string_view>

#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "formats/presentation/PptxAttachedText.h"
#include "formats/presentation/PptxXml.h"

namespace tw::powerpoint {
namespace {

// More cells than this in one table is a damaged or hostile file, not a slide.
constexpr size_t kMaxTableCells = size_t{1} << 22;

struct Relationship {
  std::string target;  // the part name
  std::string type;
};
using Relationships = std::map<std::string, Relationship>;

// A slide is shown unless it says otherwise.
bool IsHiddenSlide(pugi::xml_node slide) {
  const std::string_view show = slide.attribute("show").value();
  return show == "0" || show == "false" || show == "off";
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
    const Relationships targets = RelationshipsOf(presentationPart);
    const pugi::xml_node slideList = Child(presentation.document_element(), "sldIdLst");
    for (pugi::xml_node slideId : slideList.children()) {
      if (!Is(slideId, "sldId")) continue;
      const auto target = targets.find(PrefixedAttribute(slideId, "id").value());
      if (target == targets.end()) {
        throw ContainerError("the slide list names a slide the package does not relate");
      }
      ReadSlide(target->second.target);
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

  // Relationship id → part name and type, for the internal relationships of a part.
  Relationships RelationshipsOf(const std::string& partName) {
    Relationships targets;
    const std::string relsPart = RelationshipsPartOf(partName);
    if (!package_.Has(relsPart)) return targets;
    pugi::xml_document rels;
    ParseXmlPart(rels, package_.Read(relsPart), relsPart);
    for (pugi::xml_node relationship : rels.document_element().children()) {
      if (std::string_view(relationship.attribute("TargetMode").value()) == "External") continue;
      targets[relationship.attribute("Id").value()] = {
          ResolvePartName(partName, relationship.attribute("Target").value()),
          relationship.attribute("Type").value()};
    }
    return targets;
  }

  // The slide's shapes, then its footer (not a shape of the slide but the text its headers and
  // footers show), its notes and its comments. Every piece of a hidden slide is marked hidden.
  void ReadSlide(const std::string& partName) {
    pugi::xml_document slide;
    ParseXmlPart(slide, package_.Read(partName), partName);
    const Relationships relationships = RelationshipsOf(partName);
    slideRelationships_ = &relationships;
    const size_t first = document_.pieces.size();
    footer_.clear();
    ReadShapes(Child(Child(slide.document_element(), "cSld"), "spTree"), 0, 0);
    document_.Add(PieceKind::SlideFooter, std::move(footer_), slide_);
    for (const auto& [id, relationship] : relationships) {
      if (relationship.type.ends_with("/notesSlide")) {
        AddTexts(PieceKind::Notes, NotesTexts(RootOf(relationship.target), limits_.maxXmlDepth));
      }
    }
    for (const auto& [id, relationship] : relationships) {
      if (relationship.type.ends_with("/comments")) {
        AddTexts(PieceKind::Comment, CommentTexts(RootOf(relationship.target)));
      }
    }
    if (IsHiddenSlide(slide.document_element())) {
      for (size_t i = first; i < document_.pieces.size(); ++i) document_.pieces[i].hidden = true;
    }
    slideRelationships_ = nullptr;
    ++slide_;
  }

  // The root element of a related part; a part the package lacks reads as empty, as a slide
  // whose chart or notes went missing still shows the rest.
  pugi::xml_node RootOf(const std::string& partName) {
    if (!package_.Has(partName)) return {};
    pugi::xml_document& part = attachedParts_.emplace_back();
    ParseXmlPart(part, package_.Read(partName), partName);
    return part.document_element();
  }

  // The part a relationship id of the current slide names, or "" when it names none.
  std::string SlideTarget(pugi::xml_attribute id) const {
    if (slideRelationships_ == nullptr) return {};
    const auto found = slideRelationships_->find(id.value());
    return found == slideRelationships_->end() ? std::string() : found->second.target;
  }

  void AddTexts(PieceKind kind, std::vector<std::u16string> texts) {
    for (std::u16string& text : texts) document_.Add(kind, std::move(text), slide_);
    attachedParts_.clear();
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

  // A table's cells each have a text frame; charts and diagrams keep their text in parts of their
  // own; other embedded objects have none.
  void ReadGraphicFrame(pugi::xml_node frame, int groupDepth) {
    const pugi::xml_node data = Child(Child(frame, "graphic"), "graphicData");
    if (const pugi::xml_node table = Child(data, "tbl")) ReadTable(table, groupDepth);
    if (const pugi::xml_node chart = Child(data, "chart")) {
      const std::string part = SlideTarget(PrefixedAttribute(chart, "id"));
      if (!part.empty()) AddTexts(PieceKind::Chart, ChartTexts(RootOf(part), limits_.maxXmlDepth));
    }
    if (const pugi::xml_node diagram = Child(data, "relIds")) {
      const std::string part = SlideTarget(PrefixedAttribute(diagram, "dm"));
      if (!part.empty()) AddTexts(PieceKind::Diagram, DiagramTexts(RootOf(part)));
    }
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
  std::u16string footer_;                              // of the slide being read
  const Relationships* slideRelationships_ = nullptr;  // of the slide being read
  std::list<pugi::xml_document> attachedParts_;        // parsed, until their texts are taken
};

}  // namespace

Document ReadPptx(const std::string& path, ContainerLimits limits) {
  return PptxReader(path, limits).Read();
}

}  // namespace tw::powerpoint
