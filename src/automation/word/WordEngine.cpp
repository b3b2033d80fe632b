#include "automation/word/WordEngine.h"

#include "automation/word/engine/EngineApplication.h"

namespace tw {

std::unique_ptr<word::Application> CreateWordEngine() {
  return std::make_unique<engine::EngineApplication>();
}

}  // namespace tw
