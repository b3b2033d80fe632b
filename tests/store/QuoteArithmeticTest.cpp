#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "store/QuoteArithmetic.h"

namespace tw {
namespace {

struct QuoteCase {
  std::vector<int64_t> lines;
  QuoteTerms terms;
  int64_t charged, discount, net, tax, total;
};

// Worked by hand: subtotal -> minimum -> discount -> tax, each step rounded to the cent.
TEST(QuoteArithmetic, AppliesMinimumThenDiscountThenTax) {
  const QuoteCase cases[] = {
      // 150.25, 10 % off is 15.025 -> 15.03; 135.22 plus 20 % is 27.044 -> 27.04.
      {{10000, 5025}, {0, 100000, 200000}, 15025, 1503, 13522, 2704, 16226},
      // 30.00 is below the minimum of 50.00; 19 % tax of 50.00 is 9.50.
      {{1000, 2000}, {5000, 0, 190000}, 5000, 0, 5000, 950, 5950},
      // The minimum is taken before the discount: 50.00 less 10 % is 45.00.
      {{1000}, {5000, 100000, 0}, 5000, 500, 4500, 0, 4500},
      // A whole discount leaves nothing to tax.
      {{12345}, {0, 1000000, 250000}, 12345, 12345, 0, 0, 0},
      // 0.01 at 7.75 % tax is 0.000775 -> 0.00; no lines at all come to the minimum.
      {{1}, {0, 0, 77500}, 1, 0, 1, 0, 1},
      {{}, {2500, 0, 0}, 2500, 0, 2500, 0, 2500},
  };
  for (const QuoteCase& c : cases) {
    const QuoteFigures figures = ComputeQuote(c.lines, c.terms);
    EXPECT_EQ(figures.chargedCents, c.charged);
    EXPECT_EQ(figures.discountCents, c.discount);
    EXPECT_EQ(figures.netCents, c.net);
    EXPECT_EQ(figures.taxCents, c.tax);
    EXPECT_EQ(figures.totalCents, c.total) << "charged " << c.charged;
    EXPECT_EQ(figures.minimumApplied, figures.subtotalCents < c.terms.minimumFeeCents);
  }
}

TEST(QuoteArithmetic, HugeAmountsStayBoundedInsteadOfWrapping) {
  const int64_t huge = std::numeric_limits<int64_t>::max() / 2;
  const QuoteFigures figures = ComputeQuote({huge, huge, huge}, {0, 0, 250000});
  EXPECT_GT(figures.subtotalCents, 0);
  EXPECT_GT(figures.totalCents, 0);
}

TEST(QuoteArithmetic, ParsesDecimalsTheUserTypes) {
  const std::vector<std::tuple<std::string, int, std::optional<int64_t>>> cases = {
      {"12", 2, 1200},
      {"12.5", 2, 1250},
      {"12,5", 2, 1250},
      {" 0.125 ", 2, 13},
      {"0.124", 2, 12},
      {"", 2, 0},
      {"7.75", 4, 77500},
      {"100", 4, 1000000},
      {".5", 2, 50},
      {"abc", 2, std::nullopt},
      {"1.2.3", 2, std::nullopt},
      {"-5", 2, std::nullopt},
      {"5 %", 2, std::nullopt},
      {".", 2, std::nullopt},
      {"99999999999999999999999", 2, std::nullopt},
  };
  for (const auto& [text, places, expected] : cases) {
    EXPECT_EQ(ParseScaledDecimal(text, places), expected) << "\"" << text << "\"";
  }
  EXPECT_EQ(CentsOfAmountText("  154.25"), 15425);
  EXPECT_EQ(CentsOfAmountText("-0.50"), -50);
  EXPECT_EQ(CentsOfAmountText("inf"), std::nullopt);
}

TEST(QuoteArithmetic, FormatsCentsAndPercentages) {
  const std::vector<std::pair<int64_t, std::string>> cents = {
      {15425, "154.25"}, {5, "0.05"}, {-5, "-0.05"}, {0, "0.00"}, {-12345, "-123.45"}};
  for (const auto& [value, text] : cents) EXPECT_EQ(FormatCents(value), text);
  const std::vector<std::pair<int64_t, std::string>> percents = {
      {100000, "10"}, {125000, "12.5"}, {77500, "7.75"}, {1, "0.0001"}, {0, "0"}};
  for (const auto& [value, text] : percents) EXPECT_EQ(FormatPercent(value), text);
}

}  // namespace
}  // namespace tw
