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
  // The unit columns' cells as an earlier output printed them, for rows merged from outputs.
  std::vector<std::string> unitCells;
};

// Unit columns as earlier outputs printed them: their names, and the cells of the totals line.
struct PrintedUnitColumns {
  std::vector<std::string> names;
  std::vector<std::string> totals;
};

// The JSON output also names the content switches that were on ("include": [...]), and the
// counting profile when it is not classic ("profile": "word"). The unit columns asked for follow
// "amount" in every format.
void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals, const ContentSwitches& included = {},
                  CountProfile profile = CountProfile::Classic, const UnitColumns& columns = {},
                  const UnitOptions& units = {});

// Rows read back from earlier outputs, written with their own unit cells (ResultRow::unitCells).
void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals, CountProfile profile,
                  const PrintedUnitColumns& columns);

}  // namespace tw::cli
