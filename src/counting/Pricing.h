#pragma once

#include <string>
#include <vector>

#include "counting/CountRow.h"
#include "counting/CountTotals.h"

namespace tw {

inline constexpr const char* kPricingWords = "Words";
inline constexpr const char* kPricingChars = "Chars";
inline constexpr const char* kPricingCharsAndSpaces = "Chars & spaces";

// What a job is priced by.
enum class PricingMode { Words, Chars, CharsAndSpaces };

// The pricing combo's text as a mode: exactly "Words" and exactly "Chars & spaces" name theirs,
// every other text prices characters.
PricingMode PricingModeOf(const std::string& pricingText);

// The count a mode prices.
int64_t PricedCount(const FileCounts& counts, PricingMode mode);

// The one pricing function: the priced count times the rate.
double AmountOf(const FileCounts& counts, PricingMode mode, double rate);

// Prices every row again with its own rate (rows not yet counted price 0, failed rows have no
// amount) and returns the totals of all rows.
CountTotals RepriceRows(std::vector<CountRow>& rows, PricingMode mode);

}  // namespace tw
