#pragma once

#include <cstdint>

namespace tw::powerpoint {

// Office's enumeration of shape types, for the ones the engine hands out.
enum ShapeType : int32_t {
  kShapeAutoShape = 1,
  kShapeChart = 3,
  kShapeGroup = 6,
  kShapeEmbeddedObject = 7,
  kShapeLine = 9,
  kShapePicture = 13,
  kShapePlaceholder = 14,
  kShapeTextBox = 17,
  kShapeTable = 19,
};

inline constexpr int32_t kWindowStateMinimized = 2;

}  // namespace tw::powerpoint
