#include "automation/word/engine/EngineApplication.h"

#include "automation/word/engine/EngineDocuments.h"

namespace tw::engine {

std::unique_ptr<word::Documents> EngineApplication::Documents() {
  state_->CheckRunning();
  return std::make_unique<EngineDocuments>(state_);
}

}  // namespace tw::engine
