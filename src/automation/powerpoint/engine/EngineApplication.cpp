#include "automation/powerpoint/engine/EngineApplication.h"

#include "automation/powerpoint/engine/EnginePresentations.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Presentations> EngineApplication::Presentations() {
  return std::make_unique<EnginePresentations>();
}

}  // namespace tw::powerpoint
