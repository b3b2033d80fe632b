#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/TextFrame.h"

namespace tw::engine {

// The text area of a text box or an autoshape.
class EngineTextFrame : public word::TextFrame {
 public:
  EngineTextFrame(DocumentPtr document, std::u16string text)
      : document_(std::move(document)), text_(std::move(text)) {}
  std::unique_ptr<word::Range> TextRange() override;

 private:
  DocumentPtr document_;
  std::u16string text_;
};

}  // namespace tw::engine
