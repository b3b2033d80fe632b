#include "automation/powerpoint/engine/EngineHeadersFooters.h"

#include "automation/powerpoint/engine/EngineHeaderFooter.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::HeaderFooter> EngineHeadersFooters::Footer() {
  return std::make_unique<EngineHeaderFooter>(model_, slide_.footer);
}

}  // namespace tw::powerpoint
