#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/Slide.h"

namespace tw::powerpoint {

// The slides of a presentation in order, by 1-based index.
class Slides {
 public:
  virtual ~Slides() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Slide> Item(int32_t index) = 0;
};

}  // namespace tw::powerpoint
