#include "automation/word/engine/EngineTextFrame.h"

#include "automation/word/engine/EngineRange.h"

namespace tw::engine {

std::unique_ptr<word::Range> EngineTextFrame::TextRange() {
  document_->Model();
  return std::make_unique<EngineRange>(document_, text_);
}

}  // namespace tw::engine
