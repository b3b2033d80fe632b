#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Document.h"

namespace tw::engine {

// An open document.
class EngineDocument : public word::Document {
 public:
  explicit EngineDocument(DocumentPtr document) : document_(std::move(document)) {}
  int32_t ComputeStatistics(int statistic, int16_t includeFootnotesAndEndnotes) override;
  std::unique_ptr<word::Sections> Sections() override;
  std::unique_ptr<word::Shapes> Shapes() override;

 private:
  DocumentPtr document_;
};

}  // namespace tw::engine
