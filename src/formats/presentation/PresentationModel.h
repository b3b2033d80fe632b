#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/presentation/ShapeType.h"

namespace tw::powerpoint {

// What the engine knows of a presentation once a reader has taken it in: the shapes of every
// slide in z-order with their text as PowerPoint hands it out, each slide's footer and the title
// master. Notes pages are not part of it.
struct ShapeModel {
  int32_t type = kShapeAutoShape;
  bool hasTextFrame = false;
  std::u16string text;                 // paragraphs joined by "\r", line breaks as "\v"
  std::vector<ShapeModel> groupItems;  // the items of a group, in z-order
  // A table's cells, row by row; every cell is a shape with a text frame.
  int32_t tableRows = 0;
  int32_t tableColumns = 0;
  std::vector<ShapeModel> tableCells;
};

inline ShapeModel MakeShape(int32_t type, bool hasTextFrame = false, std::u16string text = {}) {
  ShapeModel shape;
  shape.type = type;
  shape.hasTextFrame = hasTextFrame;
  shape.text = std::move(text);
  return shape;
}

struct SlideModel {
  std::vector<ShapeModel> shapes;  // without the footer, date and slide-number placeholders
  std::u16string footer;           // empty when the slide shows no footer
};

struct PresentationModel {
  std::vector<SlideModel> slides;
  bool hasTitleMaster = false;
  std::vector<ShapeModel> titleMasterShapes;
};

}  // namespace tw::powerpoint
