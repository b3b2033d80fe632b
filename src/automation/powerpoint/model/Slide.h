#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/HeadersFooters.h"
#include "automation/powerpoint/model/Shapes.h"

namespace tw::powerpoint {

// One slide of a presentation.
class Slide {
 public:
  virtual ~Slide() = default;
  virtual std::unique_ptr<powerpoint::Shapes> Shapes() = 0;
  virtual std::unique_ptr<powerpoint::HeadersFooters> HeadersFooters() = 0;
};

}  // namespace tw::powerpoint
