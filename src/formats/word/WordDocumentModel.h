#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

// What every Word reader (docx, rtf, doc) fills and the Word engine counts from.
//
// Text representation. Each story is UTF-16 text holding only what a reader of the document
// sees: readers leave out field codes (a field contributes its result), deleted tracked text
// (inserted tracked text stays) and hidden text. Every paragraph mark, table cell end, row end
// and line, page, column or section break becomes one kWordBreak (U+000D); the statistics never
// count it but it separates words. A tab is U+0009 and is counted as a space. A non-breaking
// space is U+00A0, a non-breaking hyphen U+2011; optional (soft) hyphens are left out because
// they are not shown in running text. Footnote and endnote reference marks are not part of the
// main text; note texts are kept in their own stories.
inline constexpr char16_t kWordBreak = u'\r';

// Office's enumeration of shape types, for the types the engine produces.
enum class WordShapeType : int {
  AutoShape = 1,
  Group = 6,
  EmbeddedOleObject = 7,
  Picture = 13,
  TextBox = 17,
};

// A floating shape anchored in the main text. A shape with a text frame (a text box, an
// autoshape that can hold text) carries that frame's text, possibly empty; a group carries its
// member shapes in drawing order.
struct WordShapeModel {
  WordShapeType type = WordShapeType::AutoShape;
  std::optional<std::u16string> frameText;
  std::vector<WordShapeModel> members;
};

// One section's own primary header and footer. An absent one is linked to the previous
// section's, as Word links them; the first section without one has an empty header or footer.
struct WordSectionModel {
  std::optional<std::u16string> primaryHeader;
  std::optional<std::u16string> primaryFooter;
};

// A whole document as the readers hand it to the engine.
struct WordDocument {
  std::u16string mainText;
  std::u16string footnotes;                // all footnotes, each ended by a kWordBreak
  std::u16string endnotes;                 // all endnotes, each ended by a kWordBreak
  std::vector<WordSectionModel> sections;  // in document order; the engine sees at least one
  std::vector<WordShapeModel> shapes;      // anchored in the main text, in anchor order

  // The section's effective primary header / footer after the linking rule.
  std::u16string PrimaryHeader(size_t section) const;
  std::u16string PrimaryFooter(size_t section) const;
};

}  // namespace tw
