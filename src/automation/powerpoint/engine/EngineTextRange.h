#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/TextRange.h"

namespace tw::powerpoint {

// The text of a shape or cell.
class EngineTextRange : public powerpoint::TextRange {
 public:
  EngineTextRange(ModelPtr model, const std::u16string& text)
      : model_(std::move(model)), text_(text) {}
  std::u16string Text() override;

 private:
  ModelPtr model_;
  const std::u16string& text_;
};

}  // namespace tw::powerpoint
