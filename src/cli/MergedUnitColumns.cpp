#include "cli/MergedUnitColumns.h"

#include <array>
#include <charconv>
#include <string_view>

#include "counting/CountTotals.h"
#include "counting/StandardUnits.h"

namespace tw::cli {
namespace {

struct UnitColumn {
  std::string_view name;
  bool hundredths;  // printed with two decimals
};

// In the order the count command prints them.
constexpr std::array<UnitColumn, 5> kUnitColumns = {{{"lines", true},
                                                     {"pages", true},
                                                     {"new_words", false},
                                                     {"repeated_words", false},
                                                     {"weighted_words", true}}};

std::optional<int64_t> WholeOf(std::string_view text) {
  int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// "12.34" as 1234: exactly two decimals, as the outputs print these columns.
std::optional<int64_t> HundredthsOf(std::string_view text) {
  const size_t point = text.find('.');
  if (point == std::string_view::npos || text.size() - point != 3 || point == 0) {
    return std::nullopt;
  }
  const auto whole = WholeOf(text.substr(0, point));
  const auto fraction = WholeOf(text.substr(point + 1));
  if (!whole || !fraction || *whole < 0 || *fraction < 0) {
    return std::nullopt;
  }
  return SaturatingAdd(SaturatingMultiply(*whole, 100), *fraction);
}

}  // namespace

std::vector<std::string> MergedUnitColumns::AllNames() {
  std::vector<std::string> names;
  for (const UnitColumn& column : kUnitColumns) names.emplace_back(column.name);
  return names;
}

std::optional<MergedUnitColumns> MergedUnitColumns::Named(const std::vector<std::string>& names) {
  MergedUnitColumns columns;
  size_t next = 0;
  for (const std::string& name : names) {
    while (next < kUnitColumns.size() && kUnitColumns[next].name != name) ++next;
    if (next == kUnitColumns.size()) return std::nullopt;
    columns.names_.push_back(name);
    columns.hundredths_.push_back(kUnitColumns[next].hundredths);
    ++next;
  }
  columns.sums_.assign(names.size(), 0);
  return columns;
}

bool MergedUnitColumns::AddTotals(const std::vector<std::string>& cells) {
  if (cells.size() != names_.size()) return false;
  std::vector<int64_t> values;
  for (size_t i = 0; i < cells.size(); ++i) {
    const auto value = hundredths_[i] ? HundredthsOf(cells[i]) : WholeOf(cells[i]);
    if (!value) return false;
    values.push_back(*value);
  }
  for (size_t i = 0; i < values.size(); ++i) sums_[i] = SaturatingAdd(sums_[i], values[i]);
  return true;
}

std::vector<std::string> MergedUnitColumns::TotalTexts() const {
  std::vector<std::string> texts;
  for (size_t i = 0; i < sums_.size(); ++i) {
    texts.push_back(hundredths_[i] ? HundredthsText(sums_[i]) : std::to_string(sums_[i]));
  }
  return texts;
}

}  // namespace tw::cli
