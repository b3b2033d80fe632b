#include "formats/spreadsheet/OdsReader.h"

#include <algorithm>
#include <string_view>

#include "formats/common/XmlNodes.h"
#include "formats/container/ContainerError.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/opendocument/OdfParagraphs.h"

namespace tw {
namespace {

// Empty rows and columns are written as huge repeats; text is never repeated that often in a
// real sheet, so more pieces than this is a hostile file.
constexpr size_t kMaxCells = size_t{1} << 20;

size_t Repeats(pugi::xml_node node, std::string_view attribute) {
  return std::max(1U, LocalAttribute(node, attribute).as_uint(1));
}

bool HoldsText(pugi::xml_node cell) {
  if (LocalAttribute(cell, "formula")) return false;
  const std::string_view type = LocalAttribute(cell, "value-type").value();
  return type.empty() || type == "string";
}

class OdsBuilder {
 public:
  explicit OdsBuilder(const OdfPackage& package)
      : package_(package),
        paragraphs_(package.HiddenTextStyles(), package.Limits().maxXmlDepth, u'\n', false) {}

  Document Build() {
    int index = 0;
    for (pugi::xml_node table : package_.Body("spreadsheet").children()) {
      if (IsElement(table, "table")) AddSheet(table, index++);
    }
    return std::move(document_);
  }

 private:
  void AddSheet(pugi::xml_node table, int index) {
    const pugi::xml_node properties = ChildElement(
        package_.AutomaticStyle(LocalAttribute(table, "style-name").value()), "table-properties");
    const bool hidden = std::string_view(LocalAttribute(properties, "display").value()) == "false";
    const size_t first = document_.pieces.size();
    AddRows(table, index);
    for (size_t i = first; i < document_.pieces.size(); ++i) document_.pieces[i].hidden = hidden;
  }

  void AddRows(pugi::xml_node parent, int index) {
    const DepthGuard guard(depth_, package_.Limits().maxXmlDepth);
    for (pugi::xml_node child : parent.children()) {
      const std::string_view local = LocalName(child.name());
      if (local == "table-row") {
        const size_t rows = Repeats(child, "number-rows-repeated");
        for (size_t r = 0; r < rows && AddRow(child, index); ++r) {
        }
      } else if (local == "table-rows" || local == "table-header-rows" ||
                 local == "table-row-group") {
        AddRows(child, index);
      }
    }
  }

  // False once the row holds no text, so that repeating it is pointless.
  bool AddRow(pugi::xml_node row, int index) {
    bool anyText = false;
    for (pugi::xml_node cell : row.children()) {
      if (!IsElement(cell, "table-cell") && !IsElement(cell, "covered-table-cell")) continue;
      paragraphs_.annotations.clear();
      std::u16string text = HoldsText(cell) ? paragraphs_.Blocks(cell) : std::u16string();
      if (text.ends_with(u'\r')) text.pop_back();
      const size_t columns = Repeats(cell, "number-columns-repeated");
      for (size_t c = 0; c < columns && !text.empty(); ++c) Add(PieceKind::SheetCell, text, index);
      AddComments(cell, index);
      anyText = anyText || !text.empty();
    }
    return anyText;
  }

  void AddComments(pugi::xml_node cell, int index) {
    for (pugi::xml_node annotation : cell.children()) {
      if (!IsElement(annotation, "annotation")) continue;
      std::u16string text = paragraphs_.Blocks(annotation);
      if (text.ends_with(u'\r')) text.pop_back();
      if (!text.empty()) Add(PieceKind::Comment, std::move(text), index);
    }
  }

  void Add(PieceKind kind, std::u16string text, int index) {
    if (document_.pieces.size() >= kMaxCells) throw ContainerError("too many cells");
    document_.Add(kind, std::move(text), index);
  }

  const OdfPackage& package_;
  OdfParagraphs paragraphs_;
  Document document_;
  int depth_ = 0;
};

}  // namespace

Document ReadOdsDocument(const std::string& path) {
  const OdfPackage package(path);
  return OdsBuilder(package).Build();
}

}  // namespace tw
