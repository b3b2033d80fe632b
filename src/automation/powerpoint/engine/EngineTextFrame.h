#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/TextFrame.h"

namespace tw::powerpoint {

// The text frame of a shape that has one.
class EngineTextFrame : public powerpoint::TextFrame {
 public:
  EngineTextFrame(ModelPtr model, const ShapeModel& shape)
      : model_(std::move(model)), shape_(shape) {}
  int32_t HasText() override;
  std::unique_ptr<powerpoint::TextRange> TextRange() override;

 private:
  ModelPtr model_;
  const ShapeModel& shape_;
};

}  // namespace tw::powerpoint
