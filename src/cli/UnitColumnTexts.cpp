#include "cli/UnitColumnTexts.h"

#include "counting/Pricing.h"
#include "counting/StandardUnits.h"

namespace tw::cli {

std::vector<std::string> UnitColumnTexts::Names() const {
  std::vector<std::string> names;
  if (columns_.lines) names.emplace_back("lines");
  if (columns_.pages) names.emplace_back("pages");
  if (columns_.repetitions) {
    names.insert(names.end(), {"new_words", "repeated_words", "weighted_words"});
  }
  return names;
}

// Lines, pages and weighted words in hundredths; words as they are.
std::vector<int64_t> UnitColumnTexts::Values(const FileCounts& counts) const {
  std::vector<int64_t> values;
  if (columns_.lines) values.push_back(PricedHundredths(counts, PricingMode::Lines, units_));
  if (columns_.pages) values.push_back(PricedHundredths(counts, PricingMode::Pages, units_));
  if (columns_.repetitions) {
    values.insert(values.end(), {NewWords(counts), counts.repeatedWords,
                                 WeightedWordHundredths(counts, units_.repetitionWeight)});
  }
  return values;
}

std::vector<bool> UnitColumnTexts::IsHundredths() const {
  std::vector<bool> hundredths;
  if (columns_.lines) hundredths.push_back(true);
  if (columns_.pages) hundredths.push_back(true);
  if (columns_.repetitions) hundredths.insert(hundredths.end(), {false, false, true});
  return hundredths;
}

std::vector<std::string> UnitColumnTexts::Texts(const std::vector<int64_t>& values) const {
  const std::vector<bool> hundredths = IsHundredths();
  std::vector<std::string> texts;
  for (size_t i = 0; i < values.size(); ++i) {
    texts.push_back(hundredths[i] ? HundredthsText(values[i]) : std::to_string(values[i]));
  }
  return texts;
}

std::vector<std::string> UnitColumnTexts::Cells(const CountRow& row) const {
  if (!row.counts) return std::vector<std::string>(Names().size());
  return Texts(Values(*row.counts));
}

std::vector<std::string> UnitColumnTexts::Totals(const std::vector<CountRow>& rows) const {
  std::vector<int64_t> sums(Names().size());
  for (const CountRow& row : rows) {
    if (!row.counts) continue;
    const std::vector<int64_t> values = Values(*row.counts);
    for (size_t i = 0; i < sums.size(); ++i) sums[i] = SaturatingAdd(sums[i], values[i]);
  }
  return Texts(sums);
}

}  // namespace tw::cli
