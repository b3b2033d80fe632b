#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/Master.h"
#include "automation/powerpoint/model/Slides.h"

namespace tw::powerpoint {

// An open presentation.
class Presentation {
 public:
  virtual ~Presentation() = default;
  virtual std::unique_ptr<powerpoint::Slides> Slides() = 0;
  virtual int32_t HasTitleMaster() = 0;
  virtual std::unique_ptr<powerpoint::Master> TitleMaster() = 0;
  virtual void Close() = 0;
};

}  // namespace tw::powerpoint
