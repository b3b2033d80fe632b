#pragma once

#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "counting/CountRow.h"

namespace tw::cli {

// The texts of the columns printed after "amount" when asked for: lines, pages (two decimals),
// new_words, repeated_words (whole numbers) and weighted_words (two decimals), in that order.
class UnitColumnTexts {
 public:
  UnitColumnTexts(const UnitColumns& columns, const UnitOptions& units)
      : columns_(columns), units_(units) {}

  bool Any() const { return columns_.lines || columns_.pages || columns_.repetitions; }
  std::vector<std::string> Names() const;
  // A row's cells, empty when the row was not counted.
  std::vector<std::string> Cells(const CountRow& row) const;
  // The sums of the counted rows' cells, each row as it was printed.
  std::vector<std::string> Totals(const std::vector<CountRow>& rows) const;

 private:
  std::vector<int64_t> Values(const FileCounts& counts) const;
  std::vector<bool> IsHundredths() const;
  std::vector<std::string> Texts(const std::vector<int64_t>& values) const;

  UnitColumns columns_;
  UnitOptions units_;
};

}  // namespace tw::cli
