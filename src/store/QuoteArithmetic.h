#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tw {

// Money in cents and percentages in ten-thousandths of a percent, so every step of a quote is
// exact integer arithmetic and rounds once, half away from zero, to the cent.
struct QuoteTerms {
  int64_t minimumFeeCents = 0;       // the least the quote comes to before discount and tax
  int64_t discountMilliPercent = 0;  // 10 % is 100 000 (four decimals of a percent kept)
  int64_t taxMilliPercent = 0;
};

// The figures of a quote, in the order they are computed:
// subtotal (the lines added up) -> raised to the minimum fee -> less the discount -> plus tax.
struct QuoteFigures {
  int64_t subtotalCents = 0;
  bool minimumApplied = false;  // the subtotal was below the minimum fee
  int64_t chargedCents = 0;     // the subtotal, or the minimum fee when that is more
  int64_t discountCents = 0;
  int64_t netCents = 0;  // charged less discount
  int64_t taxCents = 0;
  int64_t totalCents = 0;  // net plus tax
};

inline constexpr int64_t kPercentScale = 10000;

QuoteFigures ComputeQuote(const std::vector<int64_t>& lineCents, const QuoteTerms& terms);

// A non-negative decimal ("12", "12.5", "0.125", a comma taken as the point) scaled by
// 10^places; more decimals than that are rounded half up. Nothing for other text or numbers too
// large. Blank text is 0.
std::optional<int64_t> ParseScaledDecimal(const std::string& text, int places);

// An amount as the count list shows it ("154.25") in cents; nothing when it is no amount.
std::optional<int64_t> CentsOfAmountText(const std::string& text);

// Cents as a decimal with two places: 15425 -> "154.25", -5 -> "-0.05".
std::string FormatCents(int64_t cents);

// Ten-thousandths of a percent as the shortest decimal: 100000 -> "10", 125000 -> "12.5".
std::string FormatPercent(int64_t milliPercent);

}  // namespace tw
