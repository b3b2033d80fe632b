#include "automation/powerpoint/PowerPointEngine.h"

#include "automation/powerpoint/engine/EngineApplication.h"

namespace tw {

std::unique_ptr<powerpoint::Application> CreatePowerPointEngine() {
  return std::make_unique<powerpoint::EngineApplication>();
}

}  // namespace tw
