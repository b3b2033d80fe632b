#include "automation/powerpoint/engine/EngineSlides.h"

#include "automation/powerpoint/engine/EngineSlide.h"

namespace tw::powerpoint {

int32_t EngineSlides::Count() {
  return CountOf(model_->slides.size());
}

std::unique_ptr<powerpoint::Slide> EngineSlides::Item(int32_t index) {
  return std::make_unique<EngineSlide>(model_, ItemAt(model_->slides, index));
}

}  // namespace tw::powerpoint
