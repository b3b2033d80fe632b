#include "automation/word/engine/EngineSections.h"

#include <algorithm>

#include "automation/word/engine/EngineSection.h"

namespace tw::engine {

int32_t EngineSections::Count() {
  return static_cast<int32_t>(std::max<size_t>(1, document_->Model().sections.size()));
}

std::unique_ptr<word::Section> EngineSections::Item(int32_t index) {
  if (index < 1 || index > Count()) Fail("The requested member of the collection does not exist.");
  return std::make_unique<EngineSection>(document_, static_cast<size_t>(index - 1));
}

}  // namespace tw::engine
