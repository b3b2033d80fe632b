#pragma once

#include <optional>
#include <pugixml.hpp>
#include <span>
#include <string>
#include <vector>

#include "formats/Document.h"

namespace tw {

// The header and footer a section names by relationship id (its primary, "default", ones).
struct DocxSectionReferences {
  std::optional<std::string> headerId;
  std::optional<std::string> footerId;
};

// From `at` on, the story's text lies in a table cell or, back out of every table, in the body.
struct DocxStoryMark {
  size_t at = 0;
  PieceKind kind = PieceKind::Body;
};

// What one story of a package holds once read.
struct DocxStory {
  std::u16string text;
  std::vector<DocxStoryMark> marks;             // where table cells begin and end, in order
  std::vector<TextPiece> frames;                // text frames of the floating shapes anchored here
  std::vector<DocxSectionReferences> sections;  // the story's section ends, in order
  std::u16string hidden;  // the hidden runs' text, each run ended by a kWordBreak
};

// Walks the WordprocessingML of one story (body, header, footer, note, text-box content) into
// the text the statistics count: field codes and deleted text are left out, hidden text is kept
// apart; paragraph ends and breaks become kWordBreak; the text frames of floating shapes are kept
// apart.
class DocxStoryReader {
 public:
  explicit DocxStoryReader(int maxDepth, int depth = 0) : maxDepth_(maxDepth), depth_(depth) {}

  // Reads the children of `container`. Throws ReaderError when nesting exceeds the cap.
  DocxStory Read(pugi::xml_node container);
  // Reads the children of each container in turn, as one story.
  DocxStory Read(std::span<const pugi::xml_node> containers);

 private:
  void WalkChildren(pugi::xml_node node);
  void Walk(pugi::xml_node node);
  void Paragraph(pugi::xml_node paragraph);
  void Run(pugi::xml_node run);
  void TableCell(pugi::xml_node cell);
  void FieldChar(pugi::xml_node fieldChar);
  void Symbol(pugi::xml_node symbol);
  void AlternateContent(pugi::xml_node alternate);
  void Drawing(pugi::xml_node drawing);
  void VmlContainer(pugi::xml_node pict);
  void SectionEnd(pugi::xml_node sectPr);

  void Append(char16_t c);
  void AppendUtf8(const char* text);
  bool InFieldCode() const { return fieldCodeDepth_ > 0; }
  std::u16string FrameText(pugi::xml_node txbxContent) const;
  // Add the frames of one shape (a group's members a level deeper) to `frames`; false when the
  // node is no shape.
  bool DrawingMLShape(pugi::xml_node node, int groupDepth, std::vector<TextPiece>& frames) const;
  bool VmlShape(pugi::xml_node node, bool topLevel, int groupDepth,
                std::vector<TextPiece>& frames) const;

  int maxDepth_;
  int depth_;
  DocxStory story_;
  std::vector<bool> fieldInResult_;  // per open field: whether its result has begun
  int fieldCodeDepth_ = 0;           // open fields still in their code
  int cellDepth_ = 0;                // table cells open around the current text
  bool inHiddenRun_ = false;
};

}  // namespace tw
