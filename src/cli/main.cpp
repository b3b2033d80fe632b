#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/CountCommand.h"
#include "cli/OutputMerger.h"
#include "cli/PathListReader.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tw::cli::ParseResult parsed = tw::cli::ParseCommandLine(arguments);
  if (!parsed.commandLine) {
    std::cerr << "tallywright-count: " << parsed.error << '\n';
    return 2;
  }
  tw::cli::CommandLine line = *parsed.commandLine;
  if (line.help) {
    std::cout << tw::cli::UsageText();
    return 0;
  }
  if (line.version) {
    std::cout << "tallywright-count " << TALLYWRIGHT_VERSION << '\n';
    return 0;
  }
  line.paths = tw::cli::ExpandPathLists(line.paths, std::cin, line.nulSeparated);
  if (line.merge) return tw::cli::RunMergeCommand(line, std::cout, std::cerr);
  return tw::cli::RunCountCommand(line, std::cout, std::cerr);
}
