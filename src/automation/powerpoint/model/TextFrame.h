#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/TextRange.h"

namespace tw::powerpoint {

// The text frame of a shape.
class TextFrame {
 public:
  virtual ~TextFrame() = default;
  virtual int32_t HasText() = 0;
  virtual std::unique_ptr<powerpoint::TextRange> TextRange() = 0;
};

}  // namespace tw::powerpoint
