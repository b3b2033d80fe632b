#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Range.h"

namespace tw::engine {

// A header's, a footer's or a text frame's text.
class EngineRange : public word::Range {
 public:
  EngineRange(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  int32_t ComputeStatistics(int statistic) override;

 private:
  DocumentPtr document_;
  std::u16string text_;
};

}  // namespace tw::engine
