#pragma once

#include <optional>
#include <string>

#include "counting/CountTotals.h"

namespace tw {

// One row of the count list as numbers: the file, its counts once counted, and its pricing.
// Only the count-list model and the command line's writers turn it into the texts users see.
struct CountRow {
  std::string path;
  std::optional<FileCounts> counts;  // empty until the file has been counted
  std::string currency;
  std::string rateText;          // the rate as the rate edit showed it when the row took it
  double rate = 0.0;             // rateText read as a C-locale number
  std::optional<double> amount;  // empty until counted or priced again
  // Why the file's last count failed, in the words the user was told; empty when it did not.
  // A failed row shows no counts and no amount, so it never reads as a file worth 0.00.
  std::string failure;
};

}  // namespace tw
