#include "automation/powerpoint/engine/EngineTextFrame.h"

#include "automation/powerpoint/engine/EngineTextRange.h"

namespace tw::powerpoint {

int32_t EngineTextFrame::HasText() {
  return shape_.text.empty() ? 0 : 1;
}

std::unique_ptr<powerpoint::TextRange> EngineTextFrame::TextRange() {
  return std::make_unique<EngineTextRange>(model_, shape_.text);
}

}  // namespace tw::powerpoint
