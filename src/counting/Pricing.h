#pragma once

#include <string>
#include <vector>

#include "counting/CountOptions.h"
#include "counting/CountRow.h"
#include "counting/CountTotals.h"

namespace tw {

inline constexpr const char* kPricingWords = "Words";
inline constexpr const char* kPricingChars = "Chars";
inline constexpr const char* kPricingCharsAndSpaces = "Chars & spaces";
inline constexpr const char* kPricingLines = "Lines";
inline constexpr const char* kPricingPages = "Pages";
inline constexpr const char* kPricingWeightedWords = "Weighted words";

// What a job is priced by.
enum class PricingMode { Words, Chars, CharsAndSpaces, Lines, Pages, WeightedWords };

// The pricing combo's text as a mode: exactly "Words", "Chars & spaces", "Lines", "Pages" and
// "Weighted words" name theirs, every other text prices characters.
PricingMode PricingModeOf(const std::string& pricingText);

// Whether a mode prices a unit of two decimals (lines, pages, weighted words) rather than a count.
bool PricesFractionalUnits(PricingMode mode);

// The count a mode prices (for the fractional units: the count they are made of).
int64_t PricedCount(const FileCounts& counts, PricingMode mode);

// Hundredths of the unit a mode prices: a count times 100, or the fractional unit.
int64_t PricedHundredths(const FileCounts& counts, PricingMode mode, const UnitOptions& units);

// The one pricing function: the priced count times the rate; a fractional unit as shown (two
// decimals) times the rate, rounded to the cent.
double AmountOf(const FileCounts& counts, PricingMode mode, double rate,
                const UnitOptions& units = {});

// Adds a row's lines, pages or weighted words to the totals when the mode prices them.
void AddPricedUnits(CountTotals& totals, const FileCounts& counts, PricingMode mode,
                    const UnitOptions& units);

// Prices every row again with its own rate (rows not yet counted price 0, failed rows have no
// amount) and returns the totals of all rows.
CountTotals RepriceRows(std::vector<CountRow>& rows, PricingMode mode,
                        const UnitOptions& units = {});

}  // namespace tw
