#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Sections.h"

namespace tw::engine {

// The sections of a document; every document has at least one, even when its file names none.
class EngineSections : public word::Sections {
 public:
  explicit EngineSections(DocumentPtr document) : document_(std::move(document)) {}
  int32_t Count() override;
  std::unique_ptr<word::Section> Item(int32_t index) override;

 private:
  DocumentPtr document_;
};

}  // namespace tw::engine
