#include "counting/CountList.h"

#include <algorithm>

namespace tw {

CountRowCells InitialCountHeaders() {
  return {std::string(kRowCountHeaderPrefix) + "0",
          kWordsHeader,
          kCharsWithSpacesHeader,
          kCharsHeader,
          kCurrencyHeader,
          kRateHeader,
          kAmountHeader};
}

CountList::CountList() : headers_(InitialCountHeaders()) {}

const std::string& CountList::Cell(int row, int column) const {
  return rows_.at(row).at(column);
}

void CountList::SetCell(int row, int column, std::string text) {
  rows_.at(row).at(column) = std::move(text);
}

const CountRowCells& CountList::Row(int row) const {
  return rows_.at(row);
}

const std::string& CountList::Header(int column) const {
  return headers_.at(column);
}

void CountList::SetHeader(int column, std::string text) {
  headers_.at(column) = std::move(text);
}

void CountList::InsertRow(int index, CountRowCells cells) {
  index = std::clamp(index, 0, RowCount());
  rows_.insert(rows_.begin() + index, std::move(cells));
}

void CountList::AppendRow(CountRowCells cells) {
  rows_.push_back(std::move(cells));
}

void CountList::RemoveRows(std::vector<int> indexes) {
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
    if (*it >= 0 && *it < RowCount()) rows_.erase(rows_.begin() + *it);
  }
}

void CountList::Clear() {
  rows_.clear();
}

}  // namespace tw
