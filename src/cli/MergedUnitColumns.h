#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tw::cli {

// The unit columns of outputs being merged (lines, pages, new_words, repeated_words,
// weighted_words, each only when asked for): the names the first output printed after "amount",
// and the sums of the totals lines' cells, exact in hundredths like the counts made them.
class MergedUnitColumns {
 public:
  // The columns of these names; nothing when a name is not a unit column or they are out of the
  // order the outputs print them in.
  static std::optional<MergedUnitColumns> Named(const std::vector<std::string>& names);
  // Every unit column's name, in that order.
  static std::vector<std::string> AllNames();

  const std::vector<std::string>& Names() const { return names_; }

  // Adds the cells of one output's totals line; false, adding nothing, when one is not a number
  // as its column prints them.
  bool AddTotals(const std::vector<std::string>& cells);
  std::vector<std::string> TotalTexts() const;

 private:
  std::vector<std::string> names_;
  std::vector<bool> hundredths_;
  std::vector<int64_t> sums_;
};

}  // namespace tw::cli
