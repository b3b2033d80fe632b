#include "formats/opendocument/OdtReader.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "formats/ReadResult.h"
#include "formats/common/XmlNodes.h"
#include "formats/container/ContainerError.h"
#include "formats/opendocument/OdfPackage.h"
#include "formats/opendocument/OdfParagraphs.h"

namespace tw {
namespace {

class OdtBuilder {
 public:
  explicit OdtBuilder(const OdfPackage& package)
      : package_(package),
        paragraphs_(package.HiddenTextStyles(), package.Limits().maxXmlDepth, u'\r', true) {}

  Document Build() {
    const pugi::xml_node body = package_.Body("text");
    document_.Add(PieceKind::Body, paragraphs_.Blocks(body));
    // Tables, frames and notes found while reading one story may hold more of them.
    for (size_t t = 0, f = 0, n = 0, a = 0;
         t < paragraphs_.tables.size() || f < paragraphs_.frames.size() ||
         n < paragraphs_.notes.size() || a < paragraphs_.annotations.size();) {
      if (t < paragraphs_.tables.size())
        AddTable(paragraphs_.tables[t++]);
      else if (f < paragraphs_.frames.size())
        AddShape(paragraphs_.frames[f++], 0);
      else if (n < paragraphs_.notes.size())
        AddNote(paragraphs_.notes[n++]);
      else
        AddComment(paragraphs_.annotations[a++]);
    }
    if (!footnotes_.empty()) document_.Add(PieceKind::Footnote, footnotes_);
    if (!endnotes_.empty()) document_.Add(PieceKind::Endnote, endnotes_);
    AddHeadersFooters(body);
    return std::move(document_);
  }

 private:
  void AddTable(pugi::xml_node table) {
    ForEachCell(table, [this](pugi::xml_node cell) {
      // An empty cell still ends with its cell mark.
      std::u16string text = paragraphs_.Blocks(cell);
      if (text.empty()) text.push_back(u'\r');
      document_.Add(PieceKind::TableCell, std::move(text));
    });
  }

  template <class Visit>
  void ForEachCell(pugi::xml_node parent, Visit&& visit) {
    const DepthGuard guard(depth_, package_.Limits().maxXmlDepth);
    for (pugi::xml_node child : parent.children()) {
      const std::string_view local = LocalName(child.name());
      if (local == "table-cell") {
        visit(child);
      } else if (local == "table-row" || local == "table-rows" || local == "table-header-rows" ||
                 local == "table-row-group") {
        ForEachCell(child, visit);
      }
    }
  }

  // A text box is a frame holding a text box; anything else drawn with text is a shape.
  void AddShape(pugi::xml_node shape, int groupDepth) {
    const DepthGuard guard(depth_, package_.Limits().maxXmlDepth);
    if (IsElement(shape, "g")) {
      for (pugi::xml_node member : shape.children()) {
        if (IsDrawnShape(member)) AddShape(member, groupDepth + 1);
      }
      return;
    }
    const pugi::xml_node textBox = ChildElement(shape, "text-box");
    const PieceKind kind = textBox ? PieceKind::TextBox : PieceKind::AutoShape;
    std::u16string text = paragraphs_.Blocks(textBox ? textBox : shape);
    if (!textBox && text.empty()) return;
    TextPiece& piece = document_.Add(kind, std::move(text));
    piece.groupDepth = groupDepth;
  }

  void AddNote(pugi::xml_node note) {
    const bool endnote = std::string_view(LocalAttribute(note, "note-class").value()) == "endnote";
    paragraphs_.AppendBlocks(ChildElement(note, "note-body"), endnote ? endnotes_ : footnotes_);
  }

  void AddComment(pugi::xml_node annotation) {
    document_.Add(PieceKind::Comment, paragraphs_.Blocks(annotation));
  }

  // Each page style the text uses is a section of its own: the default one from the start,
  // the others where a paragraph style switches to them.
  void AddHeadersFooters(pugi::xml_node body) {
    std::vector<std::string> used = {FirstMasterName()};
    CollectMasterSwitches(body.root(), used);
    const pugi::xml_node masters = package_.MasterStyles();
    for (size_t section = 0; section < used.size(); ++section) {
      const pugi::xml_node master = MasterNamed(masters, used[section]);
      AddStory(master, "header", PieceKind::Header, section);
      AddStory(master, "footer", PieceKind::Footer, section);
    }
    document_.sectionCount = static_cast<int>(used.size());
  }

  std::string FirstMasterName() const {
    for (pugi::xml_node master : package_.MasterStyles().children()) {
      if (IsElement(master, "master-page")) return LocalAttribute(master, "name").value();
    }
    return {};
  }

  void CollectMasterSwitches(pugi::xml_node root, std::vector<std::string>& used) {
    const pugi::xml_node document =
        root.find_child([](pugi::xml_node child) { return child.type() == pugi::node_element; });
    const pugi::xml_node styles = ChildElement(document, "automatic-styles");
    for (pugi::xml_node style : styles.children()) {
      const std::string name = LocalAttribute(style, "master-page-name").value();
      if (name.empty() || name == used.front()) continue;
      if (std::find(used.begin(), used.end(), name) == used.end()) used.push_back(name);
    }
  }

  static pugi::xml_node MasterNamed(pugi::xml_node masters, const std::string& name) {
    for (pugi::xml_node master : masters.children()) {
      if (IsElement(master, "master-page") && name == LocalAttribute(master, "name").value()) {
        return master;
      }
    }
    return {};
  }

  void AddStory(pugi::xml_node master, std::string_view which, PieceKind kind, size_t section) {
    const pugi::xml_node story = ChildElement(master, which);
    if (!story || std::string_view(LocalAttribute(story, "display").value()) == "false") return;
    document_.Add(kind, paragraphs_.Blocks(story), static_cast<int>(section));
  }

  const OdfPackage& package_;
  OdfParagraphs paragraphs_;
  Document document_;
  std::u16string footnotes_;
  std::u16string endnotes_;
  int depth_ = 0;
};

}  // namespace

Document ReadOdtDocument(const std::string& path) {
  try {
    const OdfPackage package(path);
    return OdtBuilder(package).Build();
  } catch (const ContainerError& error) {
    throw ReaderError("The document is damaged or not an OpenDocument text: " + path + " (" +
                      error.what() + ")");
  }
}

}  // namespace tw
