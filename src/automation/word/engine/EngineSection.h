#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Section.h"

namespace tw::engine {

// One section of a document, by its place among them.
class EngineSection : public word::Section {
 public:
  EngineSection(DocumentPtr document, size_t index)
      : document_(std::move(document)), index_(index) {}
  std::unique_ptr<word::HeadersFooters> Headers() override;
  std::unique_ptr<word::HeadersFooters> Footers() override;

 private:
  DocumentPtr document_;
  size_t index_;
};

}  // namespace tw::engine
