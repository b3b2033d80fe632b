#include "counting/PricingMode.h"

#include "text/CNumbers.h"
#include "counting/CountColumns.h"

namespace tw {

int PricedCountColumn(const std::string& pricing) {
  if (pricing == kPricingWords) return kWordsColumn;
  if (pricing == kPricingCharsAndSpaces) return kCharsWithSpacesColumn;
  return kCharsColumn;
}

int HighlightedCountColumn(const std::string& pricing) {
  if (pricing == kPricingWords) return kWordsColumn;
  if (pricing == kPricingCharsAndSpaces) return kCharsWithSpacesColumn;
  if (pricing == kPricingChars) return kCharsColumn;
  return -1;
}

void WriteTotalsHeaders(CountHost& host, const CountTotals& totals) {
  host.SetHeaderText(kWordsColumn, kWordsHeader + std::to_string(totals.words));
  host.SetHeaderText(kCharsWithSpacesColumn,
                     kCharsWithSpacesHeader + std::to_string(totals.charsWithSpaces));
  host.SetHeaderText(kCharsColumn, kCharsHeader + std::to_string(totals.chars));
  host.SetHeaderText(kAmountColumn, kAmountHeader + FormatFixed(totals.amount, 2, 9));
}

}  // namespace tw
