#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// Conversions that behave like the C library's in the "C" locale, whatever locale the process
// runs in (the window's toolkit sets the user's locale, which may use a decimal comma).

// Leading white space, optional sign, decimal digits; no digits gives 0. Saturates instead of
// wrapping on overflow.
int64_t ParseCInteger(std::string_view text);

// Leading white space, then the longest prefix forming a decimal number ("." as the separator,
// optional exponent); text that does not begin with a number gives 0.
double ParseCDouble(std::string_view text);

// printf("%*.*f", width, precision, value) with "." as the separator.
std::string FormatFixed(double value, int precision, int minimumWidth = 0);

}  // namespace tw
