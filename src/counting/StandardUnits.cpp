#include "counting/StandardUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tw {
namespace {

// 128-bit intermediates keep every product of two 64-bit figures exact.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;

constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr double kRateScale = 1e9;  // the rate's nine decimals as a whole number

int64_t Saturated(Wide value) {
  return value > kInt64Max ? kInt64Max : static_cast<int64_t>(value);
}

}  // namespace

int64_t StandardUnitHundredths(int64_t charactersWithSpaces, int length) {
  const Wide divisor = std::max(length, 1);
  const Wide characters = std::max<int64_t>(charactersWithSpaces, 0);
  // characters * 100 / divisor, rounded half up: (2 * 100 * c + d) / (2 * d).
  return Saturated((characters * 200 + divisor) / (divisor * 2));
}

int64_t NewWords(const FileCounts& counts) {
  return std::max<int64_t>(counts.words - std::clamp<int64_t>(counts.repeatedWords, 0, kInt64Max),
                           0);
}

int64_t WeightedWordHundredths(const FileCounts& counts, int weightPercent) {
  const Wide repeated = std::clamp<int64_t>(counts.repeatedWords, 0, counts.words);
  const Wide fresh = NewWords(counts);
  return Saturated(fresh * 100 + repeated * std::clamp(weightPercent, 0, 100));
}

double AmountOfHundredths(int64_t hundredths, double rate) {
  const double scaledRate = rate * kRateScale;
  if (!std::isfinite(scaledRate) || scaledRate < 0 ||
      scaledRate >= static_cast<double>(kInt64Max)) {
    return static_cast<double>(hundredths) / 100.0 * rate;
  }
  // hundredths * rate / 100 in cents is hundredths * (rate * 1e9) / 1e9, rounded half up.
  const Wide product = static_cast<Wide>(hundredths) * std::llround(scaledRate);
  const Wide scale = static_cast<Wide>(kRateScale);
  const Wide cents = (product + scale / 2) / scale;
  return static_cast<double>(cents) / 100.0;
}

std::string HundredthsText(int64_t hundredths) {
  const bool negative = hundredths < 0;
  const UnsignedWide magnitude =
      negative ? -static_cast<Wide>(hundredths) : static_cast<Wide>(hundredths);
  const auto whole = static_cast<uint64_t>(magnitude / 100);
  const auto fraction = static_cast<unsigned>(magnitude % 100);
  return (negative ? "-" : "") + std::to_string(whole) + (fraction < 10 ? ".0" : ".") +
         std::to_string(fraction);
}

}  // namespace tw
