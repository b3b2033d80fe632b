#include "automation/powerpoint/engine/EngineCell.h"

#include "automation/powerpoint/engine/EngineShape.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Shape> EngineCell::Shape() {
  return std::make_unique<EngineShape>(model_, cell_);
}

}  // namespace tw::powerpoint
