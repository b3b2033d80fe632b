#pragma once

#include <cstdint>
#include <string>

#include "counting/CountOptions.h"
#include "counting/CountTotals.h"

namespace tw {

// The units beyond plain counts, held as whole hundredths so that sums and amounts stay exact
// decimals instead of collecting binary fractions.

// Standard lines or pages: characters with spaces divided by the length of one, rounded half up
// to the hundredth. A length below 1 is taken as 1.
int64_t StandardUnitHundredths(int64_t charactersWithSpaces, int length);

// Words in segments not seen before.
int64_t NewWords(const FileCounts& counts);

// New words plus repeated words at `weightPercent` (0 to 100) of their price; exact in
// hundredths.
int64_t WeightedWordHundredths(const FileCounts& counts, int weightPercent);

// Hundredths of a unit times a rate, rounded half up to the cent. The rate is taken to nine
// decimals, which holds any rate a user types; a rate too large for that is multiplied as is.
double AmountOfHundredths(int64_t hundredths, double rate);

// "12.34": hundredths as a C-locale number with two decimals.
std::string HundredthsText(int64_t hundredths);

}  // namespace tw
