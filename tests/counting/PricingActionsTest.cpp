#include <gtest/gtest.h>

#include <algorithm>

#include "counting/PricingActions.h"
#include "support/RecordingCountHost.h"

namespace tw {
namespace {

using test::RecordingCountHost;

class Pricing : public ::testing::Test {
 protected:
  void AddRow(const char* words, const char* charsWithSpaces, const char* chars, const char* rate) {
    host.List().AppendRow({"f.txt", words, charsWithSpaces, chars, "USD", rate, ""});
  }
  bool Logged(const std::string& prefix) const {
    return std::any_of(host.log.begin(), host.log.end(),
                       [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  }

  RecordingCountHost host;
  CountContext context;
};

TEST_F(Pricing, RecomputesByTheExactPricingMode) {
  const struct {
    const char* mode;
    const char* amount;
    const char* header;
  } cases[] = {{"Words", "  10.00", "Amount:     10.00"},
               {"Chars", "  52.00", "Amount:     52.00"},
               {"Chars & spaces", "  62.00", "Amount:     62.00"},
               {"words", "  52.00", "Amount:     52.00"},
               {"", "  52.00", "Amount:     52.00"}};
  AddRow("100", "620", "520", "0.1");
  for (const auto& c : cases) {
    host.log.clear();
    OnPricingChanged(host, context, c.mode);
    EXPECT_EQ(context.current.pricing, c.mode);
    EXPECT_EQ(host.List().Cell(0, 6), c.amount) << c.mode;
    EXPECT_EQ(host.List().Header(6), c.header) << c.mode;
    EXPECT_EQ(host.List().Header(1), "Words: 100");
    EXPECT_EQ(host.List().Header(2), "Characters with spaces: 620");
    EXPECT_EQ(host.List().Header(3), "Characters: 520");
    EXPECT_FALSE(Logged("header 0")) << "the file column's header stays";
    EXPECT_FALSE(Logged("cell 0 0")) << "the file column stays";
  }
}

TEST_F(Pricing, EachRowUsesItsOwnRateAndTheTotalIsUnrounded) {
  AddRow("1", "1", "1", "0.004");
  AddRow("1", "1", "1", "0.004");
  AddRow("123456", "1", "1", "1");
  AddRow("x", "", " 7", "");  // no number reads as 0
  context.current.pricing = "Words";
  RecomputeAmounts(host, context);
  EXPECT_EQ(host.List().Cell(0, 6), "   0.00");
  EXPECT_EQ(host.List().Cell(2, 6), "123456.00");  // widths are minimums
  EXPECT_EQ(host.List().Cell(3, 6), "   0.00");
  EXPECT_EQ(context.totals.words, 123458);
  EXPECT_EQ(context.totals.chars, 10);
  EXPECT_DOUBLE_EQ(context.totals.amount, 123456.008);
  EXPECT_EQ(host.List().Header(6), "Amount: 123456.01");
}

TEST_F(Pricing, RecomputeStartsTheTotalsAfresh) {
  AddRow("10", "20", "15", "1");
  context.totals = {999, 999, 999, 999.0};
  context.current.pricing = "Chars";
  RecomputeAmounts(host, context);
  EXPECT_EQ(context.totals.words, 10);
  EXPECT_EQ(context.totals.charsWithSpaces, 20);
  EXPECT_DOUBLE_EQ(context.totals.amount, 15.0);
}

TEST_F(Pricing, HugeCountsSaturateInsteadOfOverflowing) {
  AddRow("9223372036854775807", "0", "0", "0");
  AddRow("9223372036854775807", "0", "0", "0");
  RecomputeAmounts(host, context);
  EXPECT_EQ(context.totals.words, INT64_MAX);
}

TEST_F(Pricing, RateChangeRewritesEveryRowsRateThenRecomputes) {
  AddRow("100", "620", "520", "0.01");
  AddRow("10", "62", "52", "0.5");
  context.current.pricing = "Words";
  OnRateChanged(host, context, "0.1");
  EXPECT_EQ(context.current.rate, "0.1");
  EXPECT_EQ(host.List().Cell(0, 5), "0.1");
  EXPECT_EQ(host.List().Cell(1, 5), "0.1");
  EXPECT_EQ(host.List().Cell(0, 6), "  10.00");
  EXPECT_EQ(host.List().Cell(1, 6), "   1.00");
  EXPECT_EQ(host.List().Header(6), "Amount:     11.00");

  OnRateChanged(host, context, "");  // an empty rate prices at nothing
  EXPECT_EQ(host.List().Cell(0, 6), "   0.00");
}

TEST_F(Pricing, ChangesOnAnEmptyListOnlySetTheCurrentValues) {
  OnRateChanged(host, context, "0.2");
  OnCurrencyChanged(host, context, "EUR");
  OnPricingChanged(host, context, "Chars");
  EXPECT_EQ(context.current.rate, "0.2");
  EXPECT_EQ(context.current.currency, "EUR");
  EXPECT_EQ(context.current.pricing, "Chars");
  EXPECT_TRUE(host.log.empty());
}

TEST_F(Pricing, CurrencyChangeRelabelsRowsWithoutRepricing) {
  AddRow("100", "620", "520", "0.1");
  host.List().SetCell(0, 6, "  10.00");
  OnCurrencyChanged(host, context, "EUR");
  EXPECT_EQ(host.List().Cell(0, 4), "EUR");
  EXPECT_EQ(host.log, std::vector<std::string>{"cell 0 4 = EUR"});
}

}  // namespace
}  // namespace tw
