#include "cli/CommandLine.h"

#include <functional>
#include <map>

#include "counting/ContentSwitches.h"
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

// Applies one option that takes a value; returns an error text or "".
std::string ApplyValueOption(const std::string& name, const std::string& value, CommandLine& line) {
  if (name == "--pricing") {
    if (value != "Words" && value != "Chars" && value != "Chars & spaces") {
      return "--pricing must be Words, Chars or \"Chars & spaces\"";
    }
    line.pricing = value;
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
  } else if (name == "--export") {
    if (!ExportFormatOfPath(value)) return "--export needs a file name ending in .csv or .xlsx";
    line.exportPath = value;
  }
  return "";
}

bool TakesValue(const std::string& name) {
  return name == "--pricing" || name == "--rate" || name == "--currency" || name == "--format" ||
         name == "--report" || name == "--include" || name == "--profile" || name == "--export";
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
  --format FORMAT    table | tsv | csv | json                (default table)
  --report FILE      also write the HTML report to FILE
  --export FILE      also write the counts to FILE as CSV (FILE.csv) or as a spreadsheet
                     (FILE.xlsx), with a totals line and each failed file's reason
  -                  read the paths to count from standard input, one a line
  -0, --null         the paths on standard input end in NUL bytes (find -print0)
  -q, --quiet        report no file that could not be counted on stderr
  --merge            PATHs are tsv or json outputs of earlier runs: list their rows
                     together and add up their totals
  -h, --help         show this help
  --version          show the version

Errors go to stderr as "tallywright-count: PATH: reason".
Exit status: 0 when every file was counted, 1 when one was not (or a report, an
export or a merged output could not be read or written), 2 on a usage error.
)";
}

}  // namespace tw::cli
