#include "automation/word/engine/EngineHeaderFooter.h"

#include "automation/word/engine/EngineRange.h"

namespace tw::engine {

std::unique_ptr<word::Range> EngineHeaderFooter::Range() {
  document_->Model();
  return std::make_unique<EngineRange>(document_, text_);
}

}  // namespace tw::engine
