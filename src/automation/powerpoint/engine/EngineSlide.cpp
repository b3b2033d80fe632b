#include "automation/powerpoint/engine/EngineSlide.h"

#include "automation/powerpoint/engine/EngineHeadersFooters.h"
#include "automation/powerpoint/engine/EngineShapes.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Shapes> EngineSlide::Shapes() {
  return std::make_unique<EngineShapes>(model_, slide_.shapes);
}

std::unique_ptr<powerpoint::HeadersFooters> EngineSlide::HeadersFooters() {
  return std::make_unique<EngineHeadersFooters>(model_, slide_);
}

}  // namespace tw::powerpoint
