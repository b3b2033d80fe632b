#include "automation/powerpoint/engine/EngineTable.h"

#include "automation/powerpoint/engine/EngineCell.h"

namespace tw::powerpoint {

int32_t EngineTable::RowCount() {
  return table_.tableRows;
}

int32_t EngineTable::ColumnCount() {
  return table_.tableColumns;
}

std::unique_ptr<powerpoint::Cell> EngineTable::Cell(int32_t row, int32_t column) {
  if (row < 1 || row > table_.tableRows || column < 1 || column > table_.tableColumns) {
    FailCall("the table has no cell at that row and column");
  }
  const size_t index = static_cast<size_t>(row - 1) * static_cast<size_t>(table_.tableColumns) +
                       static_cast<size_t>(column - 1);
  return std::make_unique<EngineCell>(model_, ItemAt(table_.tableCells, CountOf(index + 1)));
}

}  // namespace tw::powerpoint
