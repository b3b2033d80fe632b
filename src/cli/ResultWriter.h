#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "counting/CountTotals.h"

namespace tw::cli {

// One counted (or not counted) file as the command line prints it.
struct ResultRow {
  std::string path;
  bool counted = false;
  std::string words, charsWithSpaces, chars, currency, rate, amount;
  std::string error;
};

void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals);

}  // namespace tw::cli
