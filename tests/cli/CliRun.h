#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/CountCommand.h"
#include "cli/OutputMerger.h"

namespace tw::cli {

struct CliOutcome {
  int status = -1;
  std::string out;
  std::string errors;
};

// Runs tallywright-count with `arguments` as main() would, without standard input.
inline CliOutcome RunCommandLine(const std::vector<std::string>& arguments) {
  const ParseResult parsed = ParseCommandLine(arguments);
  EXPECT_TRUE(parsed.commandLine) << parsed.error;
  if (!parsed.commandLine) return {};
  std::ostringstream out;
  std::ostringstream errors;
  const CommandLine& line = *parsed.commandLine;
  const int status =
      line.merge ? RunMergeCommand(line, out, errors) : RunCountCommand(line, out, errors);
  return {status, out.str(), errors.str()};
}

}  // namespace tw::cli
