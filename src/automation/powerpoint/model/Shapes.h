#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/Shape.h"

namespace tw::powerpoint {

// The shapes of a slide or master in z-order, by 1-based index.
class Shapes {
 public:
  virtual ~Shapes() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Shape> Item(int32_t index) = 0;
};

}  // namespace tw::powerpoint
