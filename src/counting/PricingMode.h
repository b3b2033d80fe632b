#pragma once

#include <string>

#include "counting/CountHost.h"
#include "counting/CountTotals.h"

namespace tw {

inline constexpr const char* kPricingWords = "Words";
inline constexpr const char* kPricingChars = "Chars";
inline constexpr const char* kPricingCharsAndSpaces = "Chars & spaces";

// The count column a pricing text prices: words for exactly "Words", characters with spaces for
// exactly "Chars & spaces", characters for every other text.
int PricedCountColumn(const std::string& pricing);

// The column shown highlighted (grey in the list, blue in the report): as above, but only exactly
// "Chars" marks the characters column; any other text marks none (-1).
int HighlightedCountColumn(const std::string& pricing);

// Rewrites the words, characters-with-spaces, characters and amount headers from the totals.
void WriteTotalsHeaders(CountHost& host, const CountTotals& totals);

}  // namespace tw
