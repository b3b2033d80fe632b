#include <gtest/gtest.h>

#include <limits>

#include "counting/Pricing.h"
#include "counting/StandardUnits.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

struct UnitCase {
  int64_t charactersWithSpaces;
  int length;
  int64_t hundredths;
};

// Each expected figure is the division done by hand, rounded half up to the hundredth.
TEST(StandardUnits, CharactersDividedByTheLengthRoundHalfUp) {
  const UnitCase cases[] = {
      {0, 55, 0},         // nothing is no line
      {55, 55, 100},      // exactly one line
      {1, 55, 2},         // 0.0181... is 0.02
      {1000, 55, 1818},   // 18.1818... is 18.18
      {1100, 55, 2000},   // 20 lines
      {1, 200, 1},        // 0.005 rounds up to 0.01
      {1, 400, 0},        // 0.0025 rounds down
      {2700, 1800, 150},  // a page and a half
      {899, 1800, 50},    // 0.49944... is 0.50
      {1799, 1800, 100},  // 0.99944... is 1.00
      {7, 0, 700},        // a length below 1 counts as 1
      {-5, 55, 0},        // no negative units
  };
  for (const UnitCase& unit : cases) {
    EXPECT_EQ(StandardUnitHundredths(unit.charactersWithSpaces, unit.length), unit.hundredths)
        << unit.charactersWithSpaces << " / " << unit.length;
  }
}

TEST(StandardUnits, HugeCountsSaturateInsteadOfWrapping) {
  const int64_t most = std::numeric_limits<int64_t>::max();
  EXPECT_EQ(StandardUnitHundredths(most, 1), most);
  EXPECT_EQ(StandardUnitHundredths(most, 1000000), (most / 1000000) * 100 + 78);
}

struct AmountCase {
  int64_t hundredths;
  double rate;
  const char* amount;
};

// A binary product would show 2.03 x 0.5 = 1.015 as 1.01; the decimal product rounds to 1.02.
TEST(StandardUnits, AmountsAreDecimalProductsRoundedHalfUpToTheCent) {
  const AmountCase cases[] = {
      {1818, 1.20, "21.82"},                        // 18.18 lines at 1.20 is 21.816
      {203, 0.5, "1.02"},                           // 1.015
      {101, 0.005, "0.01"},                         // 0.00505
      {100, 0.004, "0.00"},                         // 0.004
      {0, 9.99, "0.00"},     {150, 35.0, "52.50"},  // 1.50 pages at 35
      {1, 0.07, "0.00"},                            // 0.0007
      {12345, 0.1, "12.35"},                        // 12.345 rounds up
  };
  for (const AmountCase& amount : cases) {
    EXPECT_EQ(FormatFixed(AmountOfHundredths(amount.hundredths, amount.rate), 2), amount.amount)
        << amount.hundredths << " x " << amount.rate;
  }
}

TEST(StandardUnits, WeightedWordsAreNewPlusRepeatedAtTheWeight) {
  FileCounts counts{.words = 100, .characters = 0, .spaces = 0, .repeatedWords = 40};
  EXPECT_EQ(NewWords(counts), 60);
  EXPECT_EQ(WeightedWordHundredths(counts, 30), 7200);  // 60 + 40 x 30 %
  EXPECT_EQ(WeightedWordHundredths(counts, 0), 6000);
  EXPECT_EQ(WeightedWordHundredths(counts, 100), 10000);
  counts.repeatedWords = 1;
  EXPECT_EQ(WeightedWordHundredths(counts, 33), 9933);  // 99 + 0.33
  counts.repeatedWords = 500;                           // never more than the words
  EXPECT_EQ(NewWords(counts), 0);
  EXPECT_EQ(WeightedWordHundredths(counts, 30), 3000);
}

TEST(StandardUnits, HundredthsPrintWithTwoDecimals) {
  EXPECT_EQ(HundredthsText(0), "0.00");
  EXPECT_EQ(HundredthsText(5), "0.05");
  EXPECT_EQ(HundredthsText(70), "0.70");
  EXPECT_EQ(HundredthsText(12345), "123.45");
  EXPECT_EQ(HundredthsText(-250), "-2.50");
}

// 1 000 characters with spaces (900 + 100 spaces), 180 words of which 50 repeated.
TEST(StandardUnits, PricingModesPriceTheirUnit) {
  const FileCounts counts{.words = 180, .characters = 900, .spaces = 100, .repeatedWords = 50};
  const UnitOptions units{.lineLength = 50, .pageLength = 1800};
  struct ModeCase {
    const char* name;
    PricingMode mode;
    const char* amount;  // at a rate of 0.10
  };
  const ModeCase cases[] = {
      {"Words", PricingMode::Words, "18.00"},
      {"Chars", PricingMode::Chars, "90.00"},
      {"Chars & spaces", PricingMode::CharsAndSpaces, "100.00"},
      {"Lines", PricingMode::Lines, "2.00"},                    // 20.00 lines
      {"Pages", PricingMode::Pages, "0.06"},                    // 0.56 pages: 0.056
      {"Weighted words", PricingMode::WeightedWords, "14.50"},  // 130 + 15
      {"lines", PricingMode::Chars, "90.00"},                   // only the exact names
  };
  for (const ModeCase& mode : cases) {
    EXPECT_EQ(PricingModeOf(mode.name), mode.mode) << mode.name;
    EXPECT_EQ(FormatFixed(AmountOf(counts, mode.mode, 0.10, units), 2), mode.amount) << mode.name;
  }
}

TEST(StandardUnits, RepricingSumsTheRowsUnitsAsShown) {
  std::vector<CountRow> rows(3);
  // One character in lines of 200 is 0.005, shown as 0.01 line.
  rows[0].counts = FileCounts{.words = 1, .characters = 1, .spaces = 0};
  rows[1].counts = FileCounts{.words = 1, .characters = 1, .spaces = 0};
  rows[2].failure = "broken";
  for (CountRow& row : rows) row.rate = 100.0;
  const CountTotals totals = RepriceRows(rows, PricingMode::Lines, UnitOptions{.lineLength = 200});
  // The sum of the rows as shown (0.01 + 0.01), not the two characters' 0.01 line.
  EXPECT_EQ(totals.pricedUnitHundredths, 2);
  EXPECT_EQ(FormatFixed(totals.amount, 2), "2.00");
  EXPECT_FALSE(rows[2].amount);
}

}  // namespace
}  // namespace tw
