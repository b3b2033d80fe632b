#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Slide.h"

namespace tw::powerpoint {

// One slide.
class EngineSlide : public powerpoint::Slide {
 public:
  EngineSlide(ModelPtr model, const SlideModel& slide) : model_(std::move(model)), slide_(slide) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override;
  std::unique_ptr<powerpoint::HeadersFooters> HeadersFooters() override;

 private:
  ModelPtr model_;
  const SlideModel& slide_;
};

}  // namespace tw::powerpoint
