#pragma once

#include <string>

namespace tw {

// The switches of the Options dialog; off at start-up and never saved.
struct CountOptions {
  bool headersAndFooters = false;    // "Count in headers and footers"
  bool extraSymbolsAsWords = false;  // "Treat extra symbols in txt files like a word"
  bool legacyByteRules = false;      // "Legacy byte rules": judge bytes / low bytes alone
};

// The rate, currency and pricing mode new rows and recomputations take.
struct CurrentValues {
  std::string rate;
  std::string currency;
  std::string pricing;
};

}  // namespace tw
