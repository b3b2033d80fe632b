#pragma once

#include <array>
#include <string>

#include "counting/CountRow.h"
#include "counting/CountTotals.h"

namespace tw {

// The seven text columns of a count-list row, as the window, the report and the command line
// show them.
enum CountColumn : int {
  kFileColumn = 0,
  kWordsColumn = 1,
  kCharsWithSpacesColumn = 2,
  kCharsColumn = 3,
  kCurrencyColumn = 4,
  kRateColumn = 5,
  kAmountColumn = 6,
};
inline constexpr int kCountColumnCount = 7;

inline constexpr const char* kRowCountHeaderPrefix = "List files to count statistics: ";
inline constexpr const char* kClearedFileHeader = "List files to count statistic: ";
inline constexpr const char* kWordsHeader = "Words: ";
inline constexpr const char* kCharsWithSpacesHeader = "Characters with spaces: ";
inline constexpr const char* kCharsHeader = "Characters: ";
inline constexpr const char* kCurrencyHeader = "Currency: ";
inline constexpr const char* kRateHeader = "Rate: ";
inline constexpr const char* kAmountHeader = "Amount: ";
// The header of the priced units the window shows after the amount.
inline constexpr const char* kLinesHeader = "Lines: ";
inline constexpr const char* kPagesHeader = "Pages: ";
inline constexpr const char* kWeightedWordsHeader = "Weighted words: ";

using CountRowCells = std::array<std::string, kCountColumnCount>;

// A row's cell texts: counts as "%i", the amount as "%7.2f", empty cells where there is nothing.
CountRowCells CellTextsOf(const CountRow& row);
// The header texts for the totals ("Amount: " with "%9.2f") after the file header given.
CountRowCells HeaderTextsOf(const std::string& fileHeader, const CountTotals& totals);
// Header texts of a fresh count list, as the window shows them at start-up.
CountRowCells InitialCountHeaders();

// The count column shown highlighted (grey in the list, blue in the report) for a pricing text:
// exactly "Words", "Chars & spaces" or "Chars" name theirs; any other text marks none (-1).
int HighlightedCountColumn(const std::string& pricingText);

}  // namespace tw
