#include "counting/PricingActions.h"

#include <limits>

#include "text/CNumbers.h"
#include "counting/CountColumns.h"
#include "counting/PricingMode.h"

namespace tw {
namespace {

// Cells hold text that may read as any number; a sum saturates instead of overflowing.
int64_t SaturatingAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

void SetColumnOfEveryRow(CountHost& host, int column, const std::string& text) {
  const int rows = host.RowCount();
  for (int row = 0; row < rows; ++row) host.SetCellText(row, column, text);
}

// Adds one row's counts to the totals and rewrites its amount; the total takes the unrounded
// product, the cell its "%7.2f" form.
void RecomputeRow(CountHost& host, int row, int pricedColumn, CountTotals& totals) {
  totals.words = SaturatingAdd(totals.words, ParseCInteger(host.CellText(row, kWordsColumn)));
  totals.charsWithSpaces = SaturatingAdd(totals.charsWithSpaces,
                                         ParseCInteger(host.CellText(row, kCharsWithSpacesColumn)));
  totals.chars = SaturatingAdd(totals.chars, ParseCInteger(host.CellText(row, kCharsColumn)));

  const double priced = ParseCDouble(host.CellText(row, pricedColumn));
  const double amount = priced * ParseCDouble(host.CellText(row, kRateColumn));
  host.SetCellText(row, kAmountColumn, FormatFixed(amount, 2, 7));
  totals.amount += amount;
}

}  // namespace

void OnRateChanged(CountHost& host, CountContext& context, const std::string& finalRate) {
  context.current.rate = finalRate;
  if (host.RowCount() == 0) return;
  SetColumnOfEveryRow(host, kRateColumn, context.current.rate);
  RecomputeAmounts(host, context);
}

void OnCurrencyChanged(CountHost& host, CountContext& context, const std::string& currency) {
  context.current.currency = currency;
  // The currency is only a label: amounts stay as they are.
  SetColumnOfEveryRow(host, kCurrencyColumn, context.current.currency);
}

void OnPricingChanged(CountHost& host, CountContext& context, const std::string& pricingMode) {
  context.current.pricing = pricingMode;
  if (host.RowCount() > 0) RecomputeAmounts(host, context);
}

void RecomputeAmounts(CountHost& host, CountContext& context) {
  CountTotals& totals = context.totals;
  totals.Reset();
  const int pricedColumn = PricedCountColumn(context.current.pricing);
  const int rows = host.RowCount();
  for (int row = 0; row < rows; ++row) RecomputeRow(host, row, pricedColumn, totals);
  WriteTotalsHeaders(host, totals);
}

}  // namespace tw
