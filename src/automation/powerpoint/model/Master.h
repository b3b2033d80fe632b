#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/Shapes.h"

namespace tw::powerpoint {

// The title master of a presentation.
class Master {
 public:
  virtual ~Master() = default;
  virtual std::unique_ptr<powerpoint::Shapes> Shapes() = 0;
};

}  // namespace tw::powerpoint
