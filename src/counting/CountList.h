#pragma once

#include <string>
#include <vector>

#include "counting/CountColumns.h"

namespace tw {

// The job: one row of seven text cells per file, plus the column headers that double as the
// totals display. The window shows it through a model; the command line owns one directly.
class CountList {
 public:
  CountList();

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& Cell(int row, int column) const;
  void SetCell(int row, int column, std::string text);
  const CountRowCells& Row(int row) const;

  const std::string& Header(int column) const;
  void SetHeader(int column, std::string text);

  void InsertRow(int index, CountRowCells cells);
  void AppendRow(CountRowCells cells);
  // Removes the rows at the given indexes (any order, duplicates ignored).
  void RemoveRows(std::vector<int> indexes);
  void Clear();

 private:
  std::vector<CountRowCells> rows_;
  CountRowCells headers_;
};

}  // namespace tw
