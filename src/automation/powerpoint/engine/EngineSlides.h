#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Slides.h"

namespace tw::powerpoint {

// The slides of a presentation, in its order.
class EngineSlides : public powerpoint::Slides {
 public:
  EngineSlides(ModelPtr model) : model_(std::move(model)) {}
  int32_t Count() override;
  std::unique_ptr<powerpoint::Slide> Item(int32_t index) override;

 private:
  ModelPtr model_;
};

}  // namespace tw::powerpoint
