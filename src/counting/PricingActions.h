#pragma once

#include <string>

#include "counting/CountContext.h"
#include "counting/CountHost.h"

namespace tw {

// The rate edit's text after its checks (RateEntry) becomes the current rate; with rows in the
// count list, every row's rate cell takes it and the amounts are recomputed.
void OnRateChanged(CountHost& host, CountContext& context, const std::string& finalRate);

// The selected currency becomes the current currency and every row's currency cell; amounts stay.
void OnCurrencyChanged(CountHost& host, CountContext& context, const std::string& currency);

// The selected pricing mode becomes current; with rows, the amounts are recomputed.
void OnPricingChanged(CountHost& host, CountContext& context, const std::string& pricingMode);

// Recomputes every row's amount and the totals from the rows: integer sums of the three count
// columns, the priced count (by the current pricing mode, compared exactly) times the row's own
// rate written with "%7.2f", the unrounded products summed, and the totals headers rewritten.
// The file column and its header are not touched.
void RecomputeAmounts(CountHost& host, CountContext& context);

}  // namespace tw
