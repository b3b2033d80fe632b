#pragma once

#include <string>
#include <vector>

#include "formats/presentation/PptRecords.h"
#include "formats/presentation/PresentationModel.h"

namespace tw::powerpoint {

// Walks the drawing of a slide or master: its shapes in z-order, groups with their items, each
// shape's text from its client text box or from the slide list's texts that it refers to.
class PptDrawingReader {
 public:
  // `listedTexts` are the texts the slide list holds for this slide. On a slide the date, slide
  // number, footer and header placeholders are left out: they are its headers and footers.
  PptDrawingReader(const std::vector<std::u16string>& listedTexts, bool slideLevel, int maxDepth);

  // Appends the shapes of the drawing in `slideBody` (a slide container's body). Throws
  // ContainerError when groups are nested beyond the limit.
  void Read(Bytes slideBody, std::vector<ShapeModel>& shapes);
  // Which of the listed texts a shape referred to.
  const std::vector<bool>& Referenced() const { return referenced_; }

 private:
  void ReadGroup(Bytes groupBody, std::vector<ShapeModel>& shapes, int depth);
  void ReadShape(Bytes body, std::vector<ShapeModel>& shapes);
  std::u16string TextOfTextbox(Bytes body);

  const std::vector<std::u16string>& listedTexts_;
  std::vector<bool> referenced_;
  bool slideLevel_;
  int maxDepth_;
};

}  // namespace tw::powerpoint
