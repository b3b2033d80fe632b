#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/TextFrame.h"

namespace tw::word {

// A floating shape anchored in the main text.
class Shape {
 public:
  virtual ~Shape() = default;
  virtual int32_t Type() = 0;
  virtual void Ungroup() = 0;
  // Null when the shape has no text frame.
  virtual std::unique_ptr<word::TextFrame> TextFrame() = 0;
};

}  // namespace tw::word
