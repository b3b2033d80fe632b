#include "counting/Pricing.h"

namespace tw {

PricingMode PricingModeOf(const std::string& pricingText) {
  if (pricingText == kPricingWords) return PricingMode::Words;
  if (pricingText == kPricingCharsAndSpaces) return PricingMode::CharsAndSpaces;
  return PricingMode::Chars;
}

int64_t PricedCount(const FileCounts& counts, PricingMode mode) {
  switch (mode) {
    case PricingMode::Words:
      return counts.words;
    case PricingMode::CharsAndSpaces:
      return counts.CharactersWithSpaces();
    case PricingMode::Chars:
      break;
  }
  return counts.characters;
}

double AmountOf(const FileCounts& counts, PricingMode mode, double rate) {
  return static_cast<double>(PricedCount(counts, mode)) * rate;
}

CountTotals RepriceRows(std::vector<CountRow>& rows, PricingMode mode) {
  CountTotals totals;
  for (CountRow& row : rows) {
    if (!row.failure.empty()) {
      row.amount.reset();
      continue;
    }
    // A row not yet counted prices nothing, but shows its amount of 0.00 like every other.
    const FileCounts counts = row.counts.value_or(FileCounts{});
    row.amount = AmountOf(counts, mode, row.rate);
    totals.Add(counts, *row.amount);
  }
  return totals;
}

}  // namespace tw
