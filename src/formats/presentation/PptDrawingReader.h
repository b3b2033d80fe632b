#pragma once

#include <string>
#include <vector>

#include "formats/presentation/PptFields.h"
#include "formats/presentation/PptRecords.h"

namespace tw::powerpoint {

// A shape of a drawing that has a text frame: its text (paragraphs joined by "\r") and how many
// groups deep it lies.
struct DrawnText {
  std::u16string text;
  int groupDepth = 0;
};

// Whose drawing is read: which of its placeholders are headers and footers rather than shapes.
enum class DrawingLevel {
  Slide,      // the date, slide number, footer and header placeholders
  NotesPage,  // those, also as the round-trip placeholders later writers add
  Master,     // none: a master's placeholders are its text frames
};

// Walks the drawing of a slide or master: its shapes in z-order, groups with their items, each
// shape's text from its client text box or from the slide list's texts that it refers to.
class PptDrawingReader {
 public:
  // `listedTexts` are the texts the slide list holds for this slide. The placeholders `level`
  // names are left out: they are the slide's headers and footers. With `fieldValues`, fields in a
  // text box show their text; without, their placeholders stay.
  PptDrawingReader(const std::vector<std::u16string>& listedTexts, DrawingLevel level, int maxDepth,
                   const FieldValues* fieldValues = nullptr);

  // Appends the shapes with a text frame of the drawing in `slideBody` (a slide container's body)
  // in z-order, group members where their group lies. Throws ContainerError when groups are
  // nested beyond the limit.
  void Read(Bytes slideBody, std::vector<DrawnText>& shapes);
  // Which of the listed texts a shape referred to.
  const std::vector<bool>& Referenced() const { return referenced_; }

 private:
  void ReadGroup(Bytes groupBody, std::vector<DrawnText>& shapes, int depth);
  void ReadShape(Bytes body, std::vector<DrawnText>& shapes, int depth);
  std::u16string TextOfTextbox(Bytes body);

  const std::vector<std::u16string>& listedTexts_;
  std::vector<bool> referenced_;
  DrawingLevel level_;
  int maxDepth_;
  const FieldValues* fieldValues_;
};

}  // namespace tw::powerpoint
