#include "automation/powerpoint/engine/EngineHeaderFooter.h"

namespace tw::powerpoint {

std::u16string EngineHeaderFooter::Text() {
  return text_;
}

}  // namespace tw::powerpoint
