#include "store/QuoteArithmetic.h"

#include <limits>

namespace tw {
namespace {

// Products of cents and percentages need more than 64 bits before they are divided back.
__extension__ typedef __int128 Wide;

constexpr int64_t kMaxCents = std::numeric_limits<int64_t>::max() / 4;

// value * numerator / denominator, rounded half away from zero, held within kMaxCents.
int64_t ScaleRounded(int64_t value, int64_t numerator, int64_t denominator) {
  const Wide product = static_cast<Wide>(value) * numerator;
  const Wide half = denominator / 2;
  Wide result = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  if (result > kMaxCents) result = kMaxCents;
  if (result < -kMaxCents) result = -kMaxCents;
  return static_cast<int64_t>(result);
}

int64_t Clamped(Wide value) {
  if (value > kMaxCents) return kMaxCents;
  if (value < -kMaxCents) return -kMaxCents;
  return static_cast<int64_t>(value);
}

}  // namespace

QuoteFigures ComputeQuote(const std::vector<int64_t>& lineCents, const QuoteTerms& terms) {
  QuoteFigures figures;
  Wide sum = 0;
  for (int64_t cents : lineCents) sum += cents;
  figures.subtotalCents = Clamped(sum);
  figures.minimumApplied = figures.subtotalCents < terms.minimumFeeCents;
  figures.chargedCents = figures.minimumApplied ? terms.minimumFeeCents : figures.subtotalCents;
  figures.discountCents =
      ScaleRounded(figures.chargedCents, terms.discountMilliPercent, 100 * kPercentScale);
  figures.netCents = Clamped(static_cast<Wide>(figures.chargedCents) - figures.discountCents);
  figures.taxCents = ScaleRounded(figures.netCents, terms.taxMilliPercent, 100 * kPercentScale);
  figures.totalCents = Clamped(static_cast<Wide>(figures.netCents) + figures.taxCents);
  return figures;
}

std::optional<int64_t> ParseScaledDecimal(const std::string& text, int places) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return 0;
  const size_t last = text.find_last_not_of(" \t");
  Wide value = 0;
  int decimals = -1;  // -1 before the point
  bool roundUp = false;
  bool digits = false;
  for (size_t i = first; i <= last; ++i) {
    const char c = text[i];
    if ((c == '.' || c == ',') && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    digits = true;
    if (decimals >= places) {
      // Only the first digit beyond the places decides the rounding.
      if (decimals == places) roundUp = c >= '5';
      ++decimals;
      continue;
    }
    value = value * 10 + (c - '0');
    if (value > kMaxCents) return std::nullopt;
    if (decimals >= 0) ++decimals;
  }
  if (!digits) return std::nullopt;
  for (int d = decimals < 0 ? 0 : decimals; d < places; ++d) value *= 10;
  if (roundUp) ++value;
  if (value > kMaxCents) return std::nullopt;
  return static_cast<int64_t>(value);
}

std::optional<int64_t> CentsOfAmountText(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first != std::string::npos && text[first] == '-') {
    const std::optional<int64_t> positive = ParseScaledDecimal(text.substr(first + 1), 2);
    if (!positive) return std::nullopt;
    return -*positive;
  }
  return ParseScaledDecimal(text, 2);
}

std::string FormatCents(int64_t cents) {
  const bool negative = cents < 0;
  const uint64_t magnitude =
      negative ? static_cast<uint64_t>(-(cents + 1)) + 1 : static_cast<uint64_t>(cents);
  std::string fraction = std::to_string(magnitude % 100);
  if (fraction.size() < 2) fraction.insert(0, 1, '0');
  return (negative ? "-" : "") + std::to_string(magnitude / 100) + "." + fraction;
}

std::string FormatPercent(int64_t milliPercent) {
  std::string text = std::to_string(milliPercent / kPercentScale);
  int64_t fraction = milliPercent % kPercentScale;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + kPercentScale).substr(1);
  digits.erase(digits.find_last_not_of('0') + 1);
  return text + "." + digits;
}

}  // namespace tw
