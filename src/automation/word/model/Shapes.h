#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Shape.h"

namespace tw::word {

// The floating shapes of a document, by 1-based index.
class Shapes {
 public:
  virtual ~Shapes() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<word::Shape> Item(int32_t index) = 0;  // 1-based
};

}  // namespace tw::word
