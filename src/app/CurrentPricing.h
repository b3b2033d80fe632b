#pragma once

#include <string>

namespace tw {

// The rate, currency and pricing mode that new rows and repricing take. They follow the
// pricing controls through their change handlers and are taken again when a count run ends.
struct CurrentPricing {
  std::string rateText;  // as the rate edit shows it
  double rate = 0.0;     // rateText as a C-locale number
  std::string currency;
  std::string pricing;  // the pricing combo's text; only the three mode names price their count
};

}  // namespace tw
