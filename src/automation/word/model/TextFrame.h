#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Range.h"

namespace tw::word {

// The text area of a shape.
class TextFrame {
 public:
  virtual ~TextFrame() = default;
  virtual std::unique_ptr<word::Range> TextRange() = 0;
};

}  // namespace tw::word
