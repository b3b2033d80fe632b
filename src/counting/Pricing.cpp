#include "counting/Pricing.h"

#include "counting/StandardUnits.h"

namespace tw {

PricingMode PricingModeOf(const std::string& pricingText) {
  if (pricingText == kPricingWords) return PricingMode::Words;
  if (pricingText == kPricingCharsAndSpaces) return PricingMode::CharsAndSpaces;
  if (pricingText == kPricingLines) return PricingMode::Lines;
  if (pricingText == kPricingPages) return PricingMode::Pages;
  if (pricingText == kPricingWeightedWords) return PricingMode::WeightedWords;
  return PricingMode::Chars;
}

bool PricesFractionalUnits(PricingMode mode) {
  return mode == PricingMode::Lines || mode == PricingMode::Pages ||
         mode == PricingMode::WeightedWords;
}

int64_t PricedCount(const FileCounts& counts, PricingMode mode) {
  switch (mode) {
    case PricingMode::Words:
    case PricingMode::WeightedWords:
      return counts.words;
    case PricingMode::CharsAndSpaces:
    case PricingMode::Lines:
    case PricingMode::Pages:
      return counts.CharactersWithSpaces();
    case PricingMode::Chars:
      break;
  }
  return counts.characters;
}

int64_t PricedHundredths(const FileCounts& counts, PricingMode mode, const UnitOptions& units) {
  switch (mode) {
    case PricingMode::Lines:
      return StandardUnitHundredths(counts.CharactersWithSpaces(), units.lineLength);
    case PricingMode::Pages:
      return StandardUnitHundredths(counts.CharactersWithSpaces(), units.pageLength);
    case PricingMode::WeightedWords:
      return WeightedWordHundredths(counts, units.repetitionWeight);
    default:
      break;
  }
  return SaturatingMultiply(PricedCount(counts, mode), 100);
}

double AmountOf(const FileCounts& counts, PricingMode mode, double rate, const UnitOptions& units) {
  if (PricesFractionalUnits(mode)) {
    return AmountOfHundredths(PricedHundredths(counts, mode, units), rate);
  }
  return static_cast<double>(PricedCount(counts, mode)) * rate;
}

void AddPricedUnits(CountTotals& totals, const FileCounts& counts, PricingMode mode,
                    const UnitOptions& units) {
  if (!PricesFractionalUnits(mode)) return;
  totals.pricedUnitHundredths =
      SaturatingAdd(totals.pricedUnitHundredths, PricedHundredths(counts, mode, units));
}

CountTotals RepriceRows(std::vector<CountRow>& rows, PricingMode mode, const UnitOptions& units) {
  CountTotals totals;
  for (CountRow& row : rows) {
    if (!row.failure.empty()) {
      row.amount.reset();
      continue;
    }
    // A row not yet counted prices nothing, but shows its amount of 0.00 like every other.
    const FileCounts counts = row.counts.value_or(FileCounts{});
    row.amount = AmountOf(counts, mode, row.rate, units);
    totals.Add(counts, *row.amount);
    AddPricedUnits(totals, counts, mode, units);
  }
  return totals;
}

}  // namespace tw
