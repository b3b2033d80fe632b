#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/MergedUnitColumns.h"
#include "cli/ResultWriter.h"
#include "counting/CountProfile.h"
#include "counting/CountTotals.h"

namespace tw::cli {

// The rows of several tsv or json outputs of tallywright-count, one after another, and the sums
// of their totals (the amounts and unit columns as each output rounded them).
struct MergedOutputs {
  std::vector<ResultRow> rows;
  CountTotals totals;
  std::optional<MergedUnitColumns> units;  // the first output's unit columns
  std::optional<CountProfile> profile;     // a json output names it; a tsv output does not
};

// Adds one output's text to `merged`; returns "" or why the text is no output of ours, or one
// that cannot be added to the outputs before it (other unit columns, another profile). An output
// goes in whole or not at all.
std::string MergeOutput(const std::string& text, MergedOutputs& merged);

// `tallywright-count --merge OUTPUT...`: prints the merged rows and totals in the chosen format.
// Returns 0 when every output was read and every row in them counted, else 1.
int RunMergeCommand(const CommandLine& line, std::ostream& out, std::ostream& errors);

}  // namespace tw::cli
