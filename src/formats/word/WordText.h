#pragma once

#include <string>
#include <utility>
#include <vector>

#include "formats/Document.h"

namespace tw {

// How the Word readers write story text. Each piece holds only what a reader of the document
// sees: field codes are left out (a field contributes its result), and so are deleted tracked
// text (inserted tracked text stays) and hidden text. Every paragraph mark, table cell end, row
// end and line, page, column or section break becomes one kWordBreak; the statistics never count
// it but it separates words. A tab is U+0009 and is counted as a space. A non-breaking space is
// U+00A0, a non-breaking hyphen U+2011; optional (soft) hyphens are left out because they are
// not shown in running text. Footnote and endnote reference marks are not part of the body.
inline constexpr char16_t kWordBreak = u'\r';

// All of a document's footnotes (or endnotes) go in one piece, each note ended by a kWordBreak;
// a document without any has no such piece.
inline void AddNotes(Document& document, PieceKind kind, std::u16string notes) {
  if (!notes.empty()) document.Add(kind, std::move(notes));
}

// The text frame of a floating shape, `groupDepth` groups deep.
inline void AddFrame(std::vector<TextPiece>& frames, PieceKind kind, std::u16string text,
                     int groupDepth) {
  TextPiece& frame = frames.emplace_back();
  frame.kind = kind;
  frame.text = std::move(text);
  frame.groupDepth = groupDepth;
}

}  // namespace tw
