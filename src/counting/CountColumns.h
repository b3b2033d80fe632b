#pragma once

#include <array>
#include <string>

namespace tw {

// The seven text columns of a count-list row.
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

using CountRowCells = std::array<std::string, kCountColumnCount>;

// Header texts of a fresh count list, as the window shows them at start-up.
CountRowCells InitialCountHeaders();

}  // namespace tw
