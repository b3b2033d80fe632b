#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/HeadersFooters.h"

namespace tw::engine {

// A section's headers or its footers. The primary one follows the linking rule; first-page and
// even-page ones are not read from documents, so they are empty.
class EngineHeadersFooters : public word::HeadersFooters {
 public:
  EngineHeadersFooters(DocumentPtr document, size_t section, bool footers)
      : document_(std::move(document)), section_(section), footers_(footers) {}
  std::unique_ptr<word::HeaderFooter> Item(int index) override;

 private:
  DocumentPtr document_;
  size_t section_;
  bool footers_;
};

}  // namespace tw::engine
