#include "counting/CellTexts.h"

#include "counting/Pricing.h"
#include "text/CNumbers.h"

namespace tw {

CountRowCells CellTextsOf(const CountRow& row) {
  CountRowCells cells;
  cells[kFileColumn] = row.path;
  if (row.counts) {
    cells[kWordsColumn] = std::to_string(row.counts->words);
    cells[kCharsWithSpacesColumn] = std::to_string(row.counts->CharactersWithSpaces());
    cells[kCharsColumn] = std::to_string(row.counts->characters);
  }
  cells[kCurrencyColumn] = row.currency;
  cells[kRateColumn] = row.rateText;
  if (row.amount) cells[kAmountColumn] = FormatFixed(*row.amount, 2, 7);
  return cells;
}

CountRowCells HeaderTextsOf(const std::string& fileHeader, const CountTotals& totals) {
  return {fileHeader,
          kWordsHeader + std::to_string(totals.words),
          kCharsWithSpacesHeader + std::to_string(totals.charsWithSpaces),
          kCharsHeader + std::to_string(totals.chars),
          kCurrencyHeader,
          kRateHeader,
          kAmountHeader + FormatFixed(totals.amount, 2, 9)};
}

CountRowCells InitialCountHeaders() {
  return {std::string(kRowCountHeaderPrefix) + "0",
          kWordsHeader,
          kCharsWithSpacesHeader,
          kCharsHeader,
          kCurrencyHeader,
          kRateHeader,
          kAmountHeader};
}

int HighlightedCountColumn(const std::string& pricingText) {
  if (pricingText == kPricingWords) return kWordsColumn;
  if (pricingText == kPricingCharsAndSpaces) return kCharsWithSpacesColumn;
  if (pricingText == kPricingChars) return kCharsColumn;
  return -1;
}

}  // namespace tw
