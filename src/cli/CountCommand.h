#pragma once

#include <ostream>

#include "cli/CommandLine.h"

namespace tw::cli {

// Runs tallywright-count: collects the files, counts them with the same count job the window
// uses, prints the results. Returns the exit status (0 all counted, 1 some not).
int RunCountCommand(const CommandLine& line, std::ostream& out, std::ostream& errors);

}  // namespace tw::cli
