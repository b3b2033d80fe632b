#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Table.h"

namespace tw::powerpoint {

// A table shape's grid of cells.
class EngineTable : public powerpoint::Table {
 public:
  EngineTable(ModelPtr model, const ShapeModel& table) : model_(std::move(model)), table_(table) {}
  int32_t RowCount() override;
  int32_t ColumnCount() override;
  std::unique_ptr<powerpoint::Cell> Cell(int32_t row, int32_t column) override;

 private:
  ModelPtr model_;
  const ShapeModel& table_;
};

}  // namespace tw::powerpoint
