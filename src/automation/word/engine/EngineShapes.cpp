#include "automation/word/engine/EngineShapes.h"

#include "automation/word/engine/EngineShape.h"

namespace tw::engine {

int32_t EngineShapes::Count() {
  return static_cast<int32_t>(document_->Model().shapes.size());
}

std::unique_ptr<word::Shape> EngineShapes::Item(int32_t index) {
  if (index < 1 || index > Count()) Fail("The requested member of the collection does not exist.");
  return std::make_unique<EngineShape>(document_, static_cast<size_t>(index - 1));
}

}  // namespace tw::engine
