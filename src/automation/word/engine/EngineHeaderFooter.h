#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/HeaderFooter.h"

namespace tw::engine {

// One header or footer of a section, with its text as the section shows it.
class EngineHeaderFooter : public word::HeaderFooter {
 public:
  EngineHeaderFooter(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  std::unique_ptr<word::Range> Range() override;

 private:
  DocumentPtr document_;
  std::u16string text_;
};

}  // namespace tw::engine
