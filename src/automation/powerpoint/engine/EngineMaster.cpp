#include "automation/powerpoint/engine/EngineMaster.h"

#include "automation/powerpoint/engine/EngineShapes.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Shapes> EngineMaster::Shapes() {
  return std::make_unique<EngineShapes>(model_, model_->titleMasterShapes);
}

}  // namespace tw::powerpoint
