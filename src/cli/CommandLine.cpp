#include "cli/CommandLine.h"

#include <charconv>
#include <functional>
#include <map>

#include "counting/ContentSwitches.h"
#include "counting/Pricing.h"
#include "store/CountExport.h"

namespace tw::cli {
namespace {

bool IsRateText(const std::string& text) {
  int dots = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.') {
      ++dots;
    } else if (c >= '0' && c <= '9') {
      ++digits;
    } else {
      return false;
    }
  }
  return dots <= 1 && digits > 0;
}

std::optional<OutputFormat> FormatNamed(const std::string& name) {
  static const std::map<std::string, OutputFormat> formats = {{"table", OutputFormat::Table},
                                                              {"tsv", OutputFormat::Tsv},
                                                              {"csv", OutputFormat::Csv},
                                                              {"json", OutputFormat::Json}};
  const auto it = formats.find(name);
  if (it == formats.end()) return std::nullopt;
  return it->second;
}

// The first name of a --include list that names no kind of content.
std::string UnknownContentName(const std::string& list) {
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma - start);
    if (!ParseContentSwitches(name)) return name;
    if (comma == std::string::npos) return "";
    start = comma + 1;
  }
}

std::string ApplyIncludeList(const std::string& list, CommandLine& line) {
  const std::optional<ContentSwitches> switches = ParseContentSwitches(list);
  if (switches) {
    line.options.include = *switches;
    return "";
  }
  const std::string unknown = UnknownContentName(list);
  return (unknown.empty() ? std::string("--include has an empty name")
                          : "--include: unknown content \"" + unknown + "\"") +
         " (choose from notes, comments, charts, diagrams, hidden)";
}

std::string ApplyJobs(const std::string& value, CommandLine& line) {
  int jobs = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
  if (value.empty() || error != std::errc() || end != value.data() + value.size() || jobs < 1 ||
      jobs > kMaxJobs) {
    return "--jobs must be a whole number from 1 to " + std::to_string(kMaxJobs);
  }
  line.jobs = jobs;
  return "";
}

// A whole number from `lowest` to `highest`, digits only.
std::optional<int> BoundedNumber(const std::string& text, int lowest, int highest) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int value = std::stoi(text);
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

std::string ApplyUnitList(const std::string& list, CommandLine& line) {
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma - start);
    if (name == "lines") {
      line.columns.lines = true;
    } else if (name == "pages") {
      line.columns.pages = true;
    } else if (name == "repetitions") {
      line.columns.repetitions = line.options.units.repetitions = true;
    } else {
      return "--units: unknown unit \"" + name + "\" (choose from lines, pages, repetitions)";
    }
    if (comma == std::string::npos) return "";
    start = comma + 1;
  }
}

// The options of the standard units and of repetitions; returns an error text or "".
std::string ApplyUnitOption(const std::string& name, const std::string& value, CommandLine& line) {
  UnitOptions& units = line.options.units;
  if (name == "--units") return ApplyUnitList(value, line);
  if (name == "--repetition-weight") {
    const std::optional<int> weight = BoundedNumber(value, 0, 100);
    if (!weight) return "--repetition-weight must be a whole percentage from 0 to 100";
    units.repetitionWeight = *weight;
    return "";
  }
  const std::optional<int> length = BoundedNumber(value, 1, 1000000);
  if (!length) return name + " must be a whole number of characters from 1 to 1000000";
  (name == "--line-length" ? units.lineLength : units.pageLength) = *length;
  return "";
}

bool IsUnitOption(const std::string& name) {
  return name == "--units" || name == "--line-length" || name == "--page-length" ||
         name == "--repetition-weight";
}

// The pricing unit's own column is printed with it; weighted words need repetitions found.
void ApplyPricing(const std::string& value, CommandLine& line) {
  line.pricing = value;
  if (value == kPricingLines) line.columns.lines = true;
  if (value == kPricingPages) line.columns.pages = true;
  if (value == kPricingWeightedWords) {
    line.columns.repetitions = line.options.units.repetitions = true;
  }
}

// Applies one option that takes a value; returns an error text or "".
std::string ApplyValueOption(const std::string& name, const std::string& value, CommandLine& line) {
  if (name == "--pricing") {
    if (value != "Words" && value != "Chars" && value != "Chars & spaces" &&
        value != kPricingLines && value != kPricingPages && value != kPricingWeightedWords) {
      return "--pricing must be Words, Chars, \"Chars & spaces\", Lines, Pages or \"Weighted "
             "words\"";
    }
    ApplyPricing(value, line);
  } else if (IsUnitOption(name)) {
    return ApplyUnitOption(name, value, line);
  } else if (name == "--rate") {
    if (!IsRateText(value)) return "--rate must be a non-negative decimal number";
    line.rate = value;
  } else if (name == "--currency") {
    line.currency = value;
  } else if (name == "--format") {
    const std::optional<OutputFormat> format = FormatNamed(value);
    if (!format) return "--format must be table, tsv, csv or json";
    line.format = *format;
  } else if (name == "--report") {
    if (value.empty()) return "--report needs a file name";
    line.reportPath = value;
  } else if (name == "--include") {
    return ApplyIncludeList(value, line);
  } else if (name == "--profile") {
    const std::optional<CountProfile> profile = ParseProfile(value);
    if (!profile) return "--profile must be classic, word or segments";
    line.options.profile = *profile;
  } else if (name == "--jobs") {
    return ApplyJobs(value, line);
  } else if (name == "--export") {
    if (!ExportFormatOfPath(value)) return "--export needs a file name ending in .csv or .xlsx";
    line.exportPath = value;
  }
  return "";
}

bool TakesValue(const std::string& name) {
  return name == "--pricing" || name == "--rate" || name == "--currency" || name == "--format" ||
         name == "--report" || name == "--include" || name == "--profile" || name == "--jobs" ||
         name == "--export" || IsUnitOption(name);
}

// Applies one switch; returns false when the name is no known switch.
bool ApplySwitch(const std::string& name, CommandLine& line) {
  static const std::map<std::string, std::function<void(CommandLine&)>> switches = {
      {"-r", [](CommandLine& l) { l.recursive = true; }},
      {"--recursive", [](CommandLine& l) { l.recursive = true; }},
      {"--extra-symbols", [](CommandLine& l) { l.options.extraSymbolsAsWords = true; }},
      {"--headers-footers", [](CommandLine& l) { l.options.headersAndFooters = true; }},
      {"--legacy-bytes", [](CommandLine& l) { l.options.legacyByteRules = true; }},
      {"--xliff-target", [](CommandLine& l) { l.options.xliffTarget = true; }},
      {"-h", [](CommandLine& l) { l.help = true; }},
      {"--help", [](CommandLine& l) { l.help = true; }},
      {"--version", [](CommandLine& l) { l.version = true; }},
      {"-q", [](CommandLine& l) { l.quiet = true; }},
      {"--quiet", [](CommandLine& l) { l.quiet = true; }},
      {"-0", [](CommandLine& l) { l.nulSeparated = true; }},
      {"--null", [](CommandLine& l) { l.nulSeparated = true; }},
      {"--merge", [](CommandLine& l) { l.merge = true; }},
      {"--no-isolation", [](CommandLine& l) { l.isolation = false; }},
      {"--repetitions",
       [](CommandLine& l) { l.columns.repetitions = l.options.units.repetitions = true; }},
  };
  const auto it = switches.find(name);
  if (it == switches.end()) return false;
  it->second(line);
  return true;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool onlyPaths = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (onlyPaths || argument.empty() || argument[0] != '-' || argument == "-") {
      line.paths.push_back(argument);
      continue;
    }
    if (argument == "--") {
      onlyPaths = true;
      continue;
    }
    std::string value;
    const size_t equals = argument.find('=');
    const bool inlineValue = argument.rfind("--", 0) == 0 && equals != std::string::npos;
    if (inlineValue) {
      value = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    if (TakesValue(argument)) {
      if (!inlineValue) {
        if (i + 1 >= arguments.size()) return {std::nullopt, argument + " needs a value"};
        value = arguments[++i];
      }
      const std::string error = ApplyValueOption(argument, value, line);
      if (!error.empty()) return {std::nullopt, error};
    } else if (inlineValue || !ApplySwitch(argument, line)) {
      return {std::nullopt, "unknown option " + arguments[i]};
    }
  }
  if (line.paths.empty() && !line.help && !line.version) {
    return {std::nullopt, "no file or folder given (see --help)"};
  }
  return {line, ""};
}

std::string UsageText() {
  return R"(Usage: tallywright-count [OPTIONS] PATH...
Counts the words and characters of documents and prices them.

  PATH               a file; with -r/--recursive a folder: every file under it with a
                     countable tail, in sorted path order (links to folders not followed)
  -r, --recursive    walk folders
  --pricing MODE     Words | Chars | "Chars & spaces"        (default Words)
                     | Lines | Pages | "Weighted words"
  --rate TEXT        rate per priced unit, a non-negative decimal (default 0.01)
  --currency NAME    currency label                          (default USD)
  --extra-symbols    treat extra symbols in txt files like a word
  --headers-footers  count in headers and footers
  --legacy-bytes     judge every byte, and every UTF-16 unit by its low byte, alone
  --include LIST     also count content left out by default; LIST is a comma-separated
                     subset of notes (speaker notes), comments, charts (titles, axis,
                     series and category names), diagrams (SmartArt text) and hidden
                     (hidden text and hidden slides)
  --xliff-target     count the target text of XLIFF files instead of the source
  --profile NAME     what a word and a character are: classic (the default), word (as
                     word processors count: runs between spaces, every format alike)
                     or segments (Unicode word boundaries, punctuation not counted)
  --jobs N           count up to N files at once              (default: one per core)
  --no-isolation     read documents in this process, not in reader helpers (faster,
                     but a document that crashes a reader ends the run)
  --format FORMAT    table | tsv | csv | json                (default table)
  --report FILE      also write the HTML report to FILE
  --export FILE      also write the counts to FILE as CSV (FILE.csv) or as a spreadsheet
                     (FILE.xlsx), with a totals line and each failed file's reason
  -                  read the paths to count from standard input, one a line
  -0, --null         the paths on standard input end in NUL bytes (find -print0)
  -q, --quiet        report no file that could not be counted on stderr
  --merge            PATHs are tsv or json outputs of earlier runs: list their rows
                     together and add up their totals
  --units LIST       also print the columns of LIST, a comma-separated subset of
                     lines (standard lines), pages (standard pages) and repetitions
                     (new_words, repeated_words, weighted_words), after amount; the
                     pricing unit's own column is always printed
  --line-length N    characters with spaces in a standard line  (default 55)
  --page-length N    characters with spaces in a standard page  (default 1800)
  --repetitions      find repeated sentences, cells and paragraphs (earlier in the file
                     or in a file counted before it) and print the repetitions columns
  --repetition-weight P
                     a repeated word costs P percent of a new one (default 30)
  -h, --help         show this help
  --version          show the version

Errors go to stderr as "tallywright-count: PATH: reason".
Exit status: 0 when every file was counted, 1 when one was not (or a report, an
export or a merged output could not be read or written), 2 on a usage error.
)";
}

}  // namespace tw::cli
