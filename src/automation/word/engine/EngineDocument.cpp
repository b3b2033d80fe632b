#include "automation/word/engine/EngineDocument.h"

#include "automation/word/engine/EngineSections.h"
#include "automation/word/engine/EngineShapes.h"

namespace tw::engine {

// The main text, and the footnotes and endnotes when asked; never text boxes, headers or
// footers, which have their own ranges.
int32_t EngineDocument::ComputeStatistics(int statistic, int16_t includeFootnotesAndEndnotes) {
  WordTextStatistics statistics = document_->MainStatistics();
  if (includeFootnotesAndEndnotes != 0) statistics += document_->NoteStatistics();
  return statistics.Statistic(statistic);
}

std::unique_ptr<word::Sections> EngineDocument::Sections() {
  document_->Model();
  return std::make_unique<EngineSections>(document_);
}

std::unique_ptr<word::Shapes> EngineDocument::Shapes() {
  document_->Model();
  return std::make_unique<EngineShapes>(document_);
}

}  // namespace tw::engine
