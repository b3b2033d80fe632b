#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Cell.h"

namespace tw::powerpoint {

// One cell of a table.
class EngineCell : public powerpoint::Cell {
 public:
  EngineCell(ModelPtr model, const ShapeModel& cell) : model_(std::move(model)), cell_(cell) {}
  std::unique_ptr<powerpoint::Shape> Shape() override;

 private:
  ModelPtr model_;
  const ShapeModel& cell_;
};

}  // namespace tw::powerpoint
