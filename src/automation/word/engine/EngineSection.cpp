#include "automation/word/engine/EngineSection.h"

#include "automation/word/engine/EngineHeadersFooters.h"

namespace tw::engine {

std::unique_ptr<word::HeadersFooters> EngineSection::Headers() {
  document_->Model();
  return std::make_unique<EngineHeadersFooters>(document_, index_, false);
}

std::unique_ptr<word::HeadersFooters> EngineSection::Footers() {
  document_->Model();
  return std::make_unique<EngineHeadersFooters>(document_, index_, true);
}

}  // namespace tw::engine
