#include "automation/powerpoint/engine/EngineTextRange.h"

namespace tw::powerpoint {

std::u16string EngineTextRange::Text() {
  return text_;
}

}  // namespace tw::powerpoint
