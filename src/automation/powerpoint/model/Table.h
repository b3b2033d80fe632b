#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/Cell.h"

namespace tw::powerpoint {

// A table shape's grid; Rows.Count and Columns.Count are read through RowCount and ColumnCount.
class Table {
 public:
  virtual ~Table() = default;
  virtual int32_t RowCount() = 0;
  virtual int32_t ColumnCount() = 0;
  virtual std::unique_ptr<powerpoint::Cell> Cell(int32_t row, int32_t column) = 0;  // 1-based
};

}  // namespace tw::powerpoint
