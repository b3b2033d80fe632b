#include "automation/powerpoint/engine/EngineGroupItems.h"

#include "automation/powerpoint/engine/EngineShape.h"

namespace tw::powerpoint {

int32_t EngineGroupItems::Count() {
  return CountOf(group_.groupItems.size());
}

std::unique_ptr<powerpoint::Shape> EngineGroupItems::Item(int32_t index) {
  return std::make_unique<EngineShape>(model_, ItemAt(group_.groupItems, index));
}

}  // namespace tw::powerpoint
