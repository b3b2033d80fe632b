#pragma once

#include <optional>
#include <string>
#include <vector>

#include "counting/CountOptions.h"

namespace tw::cli {

// More files at once than this only costs memory and helper processes.
inline constexpr int kMaxJobs = 256;

enum class OutputFormat { Table, Tsv, Csv, Json };

// The columns beyond the default ones, printed after "amount" only when asked for.
struct UnitColumns {
  bool lines = false;        // standard lines
  bool pages = false;        // standard pages
  bool repetitions = false;  // new_words, repeated_words, weighted_words
};

struct CommandLine {
  std::vector<std::string> paths;
  bool recursive = false;
  std::string pricing = "Words";
  std::string rate = "0.01";
  std::string currency = "USD";
  CountOptions options;
  OutputFormat format = OutputFormat::Table;
  std::string reportPath;  // empty: no HTML report
  bool help = false;
  bool version = false;
  bool quiet = false;         // no per-file messages on stderr; the exit status still tells
  bool nulSeparated = false;  // the path list read for "-" is NUL-separated (find -print0)
  bool merge = false;         // the paths are earlier tsv or json outputs to add up
  int jobs = 0;               // files counted at once; 0: one per processor core
  bool isolation = true;      // documents are read in reader helper processes
  UnitColumns columns;        // --units, --repetitions and the pricing unit ask for them
  std::string exportPath;     // empty: no export; else a .csv or .xlsx file
};

struct ParseResult {
  std::optional<CommandLine> commandLine;
  std::string error;  // one-line reason when commandLine is empty
};

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace tw::cli
