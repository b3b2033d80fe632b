#include "formats/spreadsheet/XlsxReader.h"

#include <map>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

#include "formats/common/XmlNodes.h"
#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

struct Sheet {
  std::string part;
  bool hidden = false;
};

// The text of a string item: its own text, or its rich-text runs' texts joined. Phonetic
// guides (rPh) are reading aids, not the cell's text.
std::string StringItemText(pugi::xml_node item) {
  std::string text;
  for (pugi::xml_node child : item.children()) {
    if (IsElement(child, "t")) text += child.text().get();
    if (IsElement(child, "r")) text += ChildElement(child, "t").text().get();
  }
  return text;
}

// A relationship target is relative to the xl/ folder unless it starts with a slash.
std::string PartOfTarget(std::string_view target) {
  if (target.starts_with('/')) return std::string(target.substr(1));
  return "xl/" + std::string(target);
}

class XlsxBuilder {
 public:
  explicit XlsxBuilder(const std::string& path) : package_(path) {}

  Document Build() {
    const std::map<std::string, std::string> targets = WorkbookRelationships();
    ReadSharedStrings();
    Document document;
    int index = 0;
    for (const Sheet& sheet : Sheets(targets)) AddSheet(document, sheet, index++);
    return document;
  }

 private:
  pugi::xml_node Load(pugi::xml_document& xml, const std::string& part) {
    ParseXmlPart(xml, package_.Read(part), part);
    return xml.document_element();
  }

  std::map<std::string, std::string> WorkbookRelationships() {
    std::map<std::string, std::string> targets;
    const std::string part = "xl/_rels/workbook.xml.rels";
    if (!package_.Has(part)) return targets;
    pugi::xml_document xml;
    for (pugi::xml_node relationship : Load(xml, part).children()) {
      const std::string_view type = relationship.attribute("Type").value();
      const std::string target = PartOfTarget(relationship.attribute("Target").value());
      targets[relationship.attribute("Id").value()] = target;
      if (type.ends_with("/sharedStrings")) sharedStringsPart_ = target;
    }
    return targets;
  }

  void ReadSharedStrings() {
    if (!package_.Has(sharedStringsPart_)) return;
    pugi::xml_document xml;
    for (pugi::xml_node item : Load(xml, sharedStringsPart_).children()) {
      if (IsElement(item, "si")) sharedStrings_.push_back(StringItemText(item));
    }
  }

  std::vector<Sheet> Sheets(const std::map<std::string, std::string>& targets) {
    if (!package_.Has("xl/workbook.xml")) throw ContainerError("the workbook part is missing");
    pugi::xml_document xml;
    std::vector<Sheet> sheets;
    for (pugi::xml_node sheet : ChildElement(Load(xml, "xl/workbook.xml"), "sheets").children()) {
      if (!IsElement(sheet, "sheet")) continue;
      const auto target = targets.find(LocalAttribute(sheet, "id").value());
      if (target == targets.end()) continue;
      const std::string_view state = sheet.attribute("state").value();
      sheets.push_back({target->second, state == "hidden" || state == "veryHidden"});
    }
    return sheets;
  }

  void AddSheet(Document& document, const Sheet& sheet, int index) {
    if (!package_.Has(sheet.part)) return;
    AddCells(document, sheet, index);
    AddComments(document, sheet, index);
  }

  // A sheet's comments are a part of their own, named by the sheet's relationships.
  void AddComments(Document& document, const Sheet& sheet, int index) {
    const size_t slash = sheet.part.rfind('/');
    const std::string folder = sheet.part.substr(0, slash + 1);
    const std::string rels = folder + "_rels/" + sheet.part.substr(slash + 1) + ".rels";
    if (!package_.Has(rels)) return;
    pugi::xml_document relsXml;
    for (pugi::xml_node relationship : Load(relsXml, rels).children()) {
      if (!std::string_view(relationship.attribute("Type").value()).ends_with("/comments"))
        continue;
      const std::string_view target = relationship.attribute("Target").value();
      std::string part = folder + std::string(target);
      if (target.starts_with('/')) part = target.substr(1);
      if (target.starts_with("../")) part = "xl/" + std::string(target.substr(3));
      if (!package_.Has(part)) continue;
      pugi::xml_document xml;
      for (pugi::xml_node comment : ChildElement(Load(xml, part), "commentList").children()) {
        const std::string text = StringItemText(ChildElement(comment, "text"));
        if (text.empty()) continue;
        document.Add(PieceKind::Comment, Utf8ToUtf16(text), index).hidden = sheet.hidden;
      }
    }
  }

  void AddCells(Document& document, const Sheet& sheet, int index) {
    pugi::xml_document xml;
    const pugi::xml_node data = ChildElement(Load(xml, sheet.part), "sheetData");
    for (pugi::xml_node row : data.children()) {
      for (pugi::xml_node cell : row.children()) {
        if (!IsElement(cell, "c")) continue;
        std::string text = CellText(cell);
        if (text.empty()) continue;
        document.Add(PieceKind::SheetCell, Utf8ToUtf16(text), index).hidden = sheet.hidden;
      }
    }
  }

  std::string CellText(pugi::xml_node cell) const {
    const std::string_view type = cell.attribute("t").value();
    if (type == "inlineStr") return StringItemText(ChildElement(cell, "is"));
    if (type != "s") return {};
    const unsigned long long index = ChildElement(cell, "v").text().as_ullong(~0ULL);
    return index < sharedStrings_.size() ? sharedStrings_[index] : std::string();
  }

  ZipPackage package_;
  std::string sharedStringsPart_ = "xl/sharedStrings.xml";
  std::vector<std::string> sharedStrings_;
};

}  // namespace

Document ReadXlsxDocument(const std::string& path) {
  return XlsxBuilder(path).Build();
}

}  // namespace tw
