#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Shape.h"

namespace tw::powerpoint {

// A shape, a group item or the shape of a table cell.
class EngineShape : public powerpoint::Shape {
 public:
  EngineShape(ModelPtr model, const ShapeModel& shape) : model_(std::move(model)), shape_(shape) {}
  int32_t Type() override;
  std::unique_ptr<powerpoint::GroupItems> GroupItems() override;
  int32_t HasTextFrame() override;
  std::unique_ptr<powerpoint::TextFrame> TextFrame() override;
  int32_t HasTable() override;
  std::unique_ptr<powerpoint::Table> Table() override;

 private:
  ModelPtr model_;
  const ShapeModel& shape_;
};

}  // namespace tw::powerpoint
