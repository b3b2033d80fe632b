#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/GroupItems.h"

namespace tw::powerpoint {

// The items of a group, nested groups among them.
class EngineGroupItems : public powerpoint::GroupItems {
 public:
  EngineGroupItems(ModelPtr model, const ShapeModel& group)
      : model_(std::move(model)), group_(group) {}
  int32_t Count() override;
  std::unique_ptr<powerpoint::Shape> Item(int32_t index) override;

 private:
  ModelPtr model_;
  const ShapeModel& group_;
};

}  // namespace tw::powerpoint
