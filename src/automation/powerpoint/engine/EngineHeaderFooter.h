#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/HeaderFooter.h"

namespace tw::powerpoint {

// A slide's footer text; empty when the slide shows none.
class EngineHeaderFooter : public powerpoint::HeaderFooter {
 public:
  EngineHeaderFooter(ModelPtr model, const std::u16string& text)
      : model_(std::move(model)), text_(text) {}
  std::u16string Text() override;

 private:
  ModelPtr model_;
  const std::u16string& text_;
};

}  // namespace tw::powerpoint
