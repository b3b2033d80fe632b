#include "automation/powerpoint/engine/EngineShapes.h"

#include "automation/powerpoint/engine/EngineShape.h"

namespace tw::powerpoint {

int32_t EngineShapes::Count() {
  return CountOf(shapes_.size());
}

std::unique_ptr<powerpoint::Shape> EngineShapes::Item(int32_t index) {
  return std::make_unique<EngineShape>(model_, ItemAt(shapes_, index));
}

}  // namespace tw::powerpoint
