#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "counting/CellTexts.h"
#include "counting/Pricing.h"

namespace tw {
namespace {

// 10 words, 40 characters and 9 spaces: 49 characters with spaces.
constexpr FileCounts kCounts{10, 40, 9};

TEST(Pricing, TheModeTextIsComparedExactly) {
  const struct {
    const char* text;
    PricingMode mode;
    int64_t priced;
    int highlighted;
  } cases[] = {
      {"Words", PricingMode::Words, 10, kWordsColumn},
      {"Chars & spaces", PricingMode::CharsAndSpaces, 49, kCharsWithSpacesColumn},
      {"Chars", PricingMode::Chars, 40, kCharsColumn},
      {"chars & spaces", PricingMode::Chars, 40, -1},
      {"words", PricingMode::Chars, 40, -1},
      {"", PricingMode::Chars, 40, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PricingModeOf(c.text), c.mode) << c.text;
    EXPECT_EQ(PricedCount(kCounts, PricingModeOf(c.text)), c.priced) << c.text;
    EXPECT_EQ(AmountOf(kCounts, PricingModeOf(c.text), 0.5), c.priced * 0.5) << c.text;
    EXPECT_EQ(HighlightedCountColumn(c.text), c.highlighted) << c.text;
  }
}

TEST(Pricing, RepricingUsesEachRowsRateAndPricesUncountedRowsAtZero) {
  std::vector<CountRow> rows(3);
  rows[0].counts = kCounts;
  rows[0].rate = 0.1;
  rows[1].rate = 5.0;  // not counted yet
  rows[2].counts = FileCounts{3, 12, 2};
  rows[2].rate = 2.0;
  const CountTotals totals = RepriceRows(rows, PricingMode::CharsAndSpaces);
  EXPECT_DOUBLE_EQ(*rows[0].amount, 4.9);
  EXPECT_EQ(rows[1].amount, 0.0);
  EXPECT_EQ(rows[2].amount, 28.0);
  EXPECT_EQ(totals.words, 13);
  EXPECT_EQ(totals.charsWithSpaces, 63);
  EXPECT_EQ(totals.chars, 52);
  EXPECT_DOUBLE_EQ(totals.amount, 32.9);
}

TEST(Pricing, RepricedTotalsSaturate) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  std::vector<CountRow> rows(2);
  rows[0].counts = FileCounts{kMax, 1, 0};
  rows[1].counts = FileCounts{1, 1, 0};
  EXPECT_EQ(RepriceRows(rows, PricingMode::Words).words, kMax);
}

TEST(CellTexts, CountsAmountsAndHeadersAsTheListShowsThem) {
  CountRow row;
  row.path = "/jobs/a.txt";
  row.currency = "EUR";
  row.rateText = "0.01abc";
  EXPECT_EQ(CellTextsOf(row), (CountRowCells{"/jobs/a.txt", "", "", "", "EUR", "0.01abc", ""}));

  row.counts = kCounts;
  row.amount = 1.234;
  EXPECT_EQ(CellTextsOf(row),
            (CountRowCells{"/jobs/a.txt", "10", "49", "40", "EUR", "0.01abc", "   1.23"}));
  row.amount = 12345.678;  // a long amount is written whole
  EXPECT_EQ(CellTextsOf(row)[kAmountColumn], "12345.68");

  const CountTotals totals{123, 456, 789, 1.23};
  EXPECT_EQ(HeaderTextsOf("List files to count statistics: 2", totals),
            (CountRowCells{"List files to count statistics: 2", "Words: 123",
                           "Characters with spaces: 456", "Characters: 789",
                           "Currency: ", "Rate: ", "Amount:      1.23"}));
  EXPECT_EQ(InitialCountHeaders()[kFileColumn], "List files to count statistics: 0");
  EXPECT_EQ(InitialCountHeaders()[kAmountColumn], "Amount: ");
}

}  // namespace
}  // namespace tw
