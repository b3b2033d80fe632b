#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/powerpoint/model/Presentation.h"

namespace tw::powerpoint {

// Opens presentations.
class Presentations {
 public:
  virtual ~Presentations() = default;
  virtual std::unique_ptr<powerpoint::Presentation> Open(const std::string& fileName,
                                                         int32_t readOnly, int32_t untitled,
                                                         int32_t withWindow) = 0;
};

}  // namespace tw::powerpoint
