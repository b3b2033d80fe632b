#include "formats/word/docx/DocxReader.h"

#include <iterator>
#include <map>
#include <pugixml.hpp>
#include <vector>

#include "formats/ReadResult.h"
#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "formats/container/ZipPackage.h"
#include "formats/word/WordText.h"
#include "formats/word/docx/DocxStoryReader.h"
#include "formats/word/docx/DrawingPartText.h"
#include "formats/word/docx/NamespacePrefixes.h"
#include "formats/word/docx/PackageRelationships.h"

namespace tw {
namespace {

[[noreturn]] void NotAWordDocument(const std::string& path, const std::string& why) {
  throw ReaderError("The file is not a Word document (" + why + "): " + path);
}

// The body's text as pieces: each table cell one of its own. A cut is made only right after a
// break, so no word is split and the pieces' statistics add up to the body's.
void AddBody(Document& document, const DocxStory& body) {
  size_t start = 0;
  PieceKind kind = PieceKind::Body;
  for (const DocxStoryMark& mark : body.marks) {
    if (mark.at > start && body.text[mark.at - 1] == kWordBreak) {
      document.Add(kind, body.text.substr(start, mark.at - start));
      start = mark.at;
    }
    if (mark.at == start) kind = mark.kind;
  }
  // Only a stray run outside any paragraph leaves a cell without its closing break.
  std::u16string rest = body.text.substr(start);
  if (!rest.ends_with(kWordBreak)) kind = PieceKind::Body;
  if (!rest.empty() || document.pieces.empty()) document.Add(kind, std::move(rest));
}

bool HasText(std::u16string_view text) {
  return text.find_first_not_of(kWordBreak) != std::u16string_view::npos;
}

void AddHidden(Document& document, PieceKind kind, std::u16string hidden, int container = 0) {
  if (HasText(hidden)) document.Add(kind, std::move(hidden), container).hidden = true;
}

// A header or footer part once read: its text, its hidden text and the frames of its shapes.
struct HeaderFooterPart {
  std::u16string text;
  std::u16string hidden;
  std::vector<TextPiece> frames;
};

// Reads the parts of one package into a document.
class DocxPackageReader {
 public:
  explicit DocxPackageReader(const std::string& path) : path_(path), package_(path, limits_) {}

  Document Read() {
    FindMainPart();
    pugi::xml_document main;
    ParsePart(main, mainPart_);
    const pugi::xml_node root = main.document_element();
    if (std::string_view(root.name()) != "w:document") {
      NotAWordDocument(path_, "its main part is not a word-processing document");
    }
    relationships_ = PackageRelationships::Read(package_, mainPart_);

    // Some writers split the text over several bodies; word processors show them all, in order.
    std::vector<pugi::xml_node> bodies;
    for (const pugi::xml_node bodyNode : root.children("w:body")) bodies.push_back(bodyNode);
    DocxStory body = DocxStoryReader(limits_.maxXmlDepth).Read(bodies);
    // The last section's properties close the body; without them it still is a section, one
    // with no header or footer of its own.
    if (bodies.empty() || !bodies.back().child("w:sectPr")) body.sections.emplace_back();
    Document document;
    AddBody(document, body);
    AddHidden(document, PieceKind::Body, std::move(body.hidden));
    AddNotes(document, PieceKind::Footnote, ReadNotes("footnotes", "w:footnote"));
    AddNotes(document, PieceKind::Endnote, ReadNotes("endnotes", "w:endnote"));
    AddNotes(document, PieceKind::Comment, ReadNotes("comments", "w:comment"));
    document.sectionCount = static_cast<int>(body.sections.size());
    for (size_t i = 0; i < body.sections.size(); ++i) {
      AddHeaderFooter(document, PieceKind::Header, body.sections[i].headerId, i);
      AddHeaderFooter(document, PieceKind::Footer, body.sections[i].footerId, i);
    }
    std::move(body.frames.begin(), body.frames.end(), std::back_inserter(document.pieces));
    AddDrawingParts(document, "chart", PieceKind::Chart, ChartPartText);
    AddDrawingParts(document, "diagramData", PieceKind::Diagram, DiagramPartText);
    return document;
  }

 private:
  void FindMainPart() {
    const PackageRelationships package = PackageRelationships::Read(package_, "");
    const PackageRelationships::Relationship* main = package.FindByType("officeDocument");
    if (!main) NotAWordDocument(path_, "it names no main document part");
    if (!package_.Has(main->partName)) NotAWordDocument(path_, "its main part is missing");
    mainPart_ = main->partName;
  }

  void ParsePart(pugi::xml_document& xml, const std::string& partName) {
    ParseXmlPart(xml, package_.Read(partName), partName);
    NormalizeNamespacePrefixes(xml);
  }

  // Every footnote, endnote or comment in turn; the separators Word draws above the notes are not
  // text.
  std::u16string ReadNotes(const std::string& relationshipType, const char* noteName) {
    const PackageRelationships::Relationship* part = relationships_.FindByType(relationshipType);
    if (!part || !package_.Has(part->partName)) return {};
    pugi::xml_document notes;
    ParsePart(notes, part->partName);
    std::u16string text;
    for (const pugi::xml_node note : notes.document_element().children(noteName)) {
      const std::string_view type = note.attribute("w:type").value();
      if (!type.empty() && type != "normal") continue;
      text += DocxStoryReader(limits_.maxXmlDepth, 1).Read(note).text;
      text += kWordBreak;
    }
    return text;
  }

  // A section that names no header (footer) of its own gets no piece: it shows the previous one.
  // The text frames of the header's shapes belong to the header, as pieces of their own.
  void AddHeaderFooter(Document& document, PieceKind kind, const std::optional<std::string>& id,
                       size_t section) {
    if (!id) return;
    const HeaderFooterPart& part = ReadHeaderFooter(*id);
    const int container = static_cast<int>(section);
    document.Add(kind, part.text, container);
    AddHidden(document, kind, part.hidden, container);
    for (const TextPiece& frame : part.frames) {
      document.Add(kind, frame.text, container).groupDepth = frame.groupDepth;
    }
  }

  const HeaderFooterPart& ReadHeaderFooter(const std::string& id) {
    const auto cached = headersFooters_.find(id);
    if (cached != headersFooters_.end()) return cached->second;
    const PackageRelationships::Relationship* part = relationships_.Find(id);
    HeaderFooterPart read;
    if (part && package_.Has(part->partName)) {
      pugi::xml_document xml;
      ParsePart(xml, part->partName);
      DocxStory story = DocxStoryReader(limits_.maxXmlDepth).Read(xml.document_element());
      read = {std::move(story.text), std::move(story.hidden), std::move(story.frames)};
    }
    return headersFooters_.emplace(id, std::move(read)).first->second;
  }

  // The charts (or diagrams) the main part refers to, a piece each.
  void AddDrawingParts(Document& document, const std::string& relationshipType, PieceKind kind,
                       std::u16string (*textOf)(pugi::xml_node)) {
    for (const PackageRelationships::Relationship* part :
         relationships_.FindAllByType(relationshipType)) {
      if (!package_.Has(part->partName)) continue;
      pugi::xml_document xml;
      ParsePart(xml, part->partName);
      std::u16string text = textOf(xml.document_element());
      if (!text.empty()) document.Add(kind, std::move(text));
    }
  }

  ContainerLimits limits_;
  std::string path_;
  ZipPackage package_;
  std::string mainPart_;
  PackageRelationships relationships_;
  std::map<std::string, HeaderFooterPart> headersFooters_;
};

}  // namespace

Document ReadDocxDocument(const std::string& path) {
  try {
    return DocxPackageReader(path).Read();
  } catch (const ContainerError& error) {
    throw ReaderError("The document is damaged: " + std::string(error.what()));
  } catch (const std::bad_alloc&) {
    throw ReaderError("The document is too large to open: " + path);
  }
}

}  // namespace tw
