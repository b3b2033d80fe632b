#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Shapes.h"

namespace tw::powerpoint {

// The shapes of a slide or of the title master.
class EngineShapes : public powerpoint::Shapes {
 public:
  EngineShapes(ModelPtr model, const std::vector<ShapeModel>& shapes)
      : model_(std::move(model)), shapes_(shapes) {}
  int32_t Count() override;
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override;

 private:
  ModelPtr model_;
  const std::vector<ShapeModel>& shapes_;
};

}  // namespace tw::powerpoint
