#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "counting/CountRow.h"
#include "counting/CountTotals.h"

namespace tw::cli {

// The "schema_version" of the json output; it goes up when a field changes meaning or goes away.
constexpr int kJsonSchemaVersion = 1;

// One row of the count list as the command line prints it: counted, or not with the reason.
struct ResultRow {
  CountRow row;
  std::string error;  // empty when the row was counted
};

// The JSON output also names the content switches that were on ("include": [...]), and the
// counting profile when it is not classic ("profile": "word").
void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals, const ContentSwitches& included = {},
                  CountProfile profile = CountProfile::Classic);

}  // namespace tw::cli
