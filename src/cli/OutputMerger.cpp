#include "cli/OutputMerger.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

#include "cli/FailureReason.h"
#include "cli/JsonValue.h"

namespace tw::cli {
namespace {

using Kind = JsonValue::Kind;

constexpr std::array<std::string_view, 7> kTsvHeader = {
    "path", "words", "chars_with_spaces", "chars", "currency", "rate", "amount"};
constexpr const char* kNotCounted = "not counted";

std::optional<int64_t> IntegerOf(const std::string& text) {
  int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> DecimalOf(const std::string& text) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// The counts of a row from its three count cells; nothing when the row was not counted.
std::optional<FileCounts> CountsOf(const std::string& words, const std::string& withSpaces,
                                   const std::string& chars) {
  const auto w = IntegerOf(words);
  const auto ws = IntegerOf(withSpaces);
  const auto c = IntegerOf(chars);
  if (!w || !ws || !c || *ws < *c) return std::nullopt;
  return FileCounts{*w, *c, *ws - *c};
}

void AddTotals(CountTotals& sum, int64_t words, int64_t withSpaces, int64_t chars, double amount) {
  sum.words = SaturatingAdd(sum.words, words);
  sum.charsWithSpaces = SaturatingAdd(sum.charsWithSpaces, withSpaces);
  sum.chars = SaturatingAdd(sum.chars, chars);
  sum.amount += amount;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  std::string cell;
  while (std::getline(in, cell, '\t')) cells.push_back(cell);
  if (!line.empty() && line.back() == '\t') cells.emplace_back();
  return cells;
}

ResultRow RowOf(const std::vector<std::string>& cells) {
  ResultRow result;
  result.row.path = cells[0];
  result.row.counts = CountsOf(cells[1], cells[2], cells[3]);
  result.row.currency = cells[4];
  result.row.rateText = cells[5];
  result.row.rate = DecimalOf(cells[5]).value_or(0.0);
  if (result.row.counts) {
    result.row.amount = DecimalOf(cells[6]).value_or(0.0);
  } else {
    result.error = kNotCounted;
  }
  return result;
}

// The unit columns a tsv header names after the fixed ones.
std::optional<MergedUnitColumns> TsvUnitColumns(const std::vector<std::string>& header) {
  if (header.size() < kTsvHeader.size() ||
      !std::equal(kTsvHeader.begin(), kTsvHeader.end(), header.begin())) {
    return std::nullopt;
  }
  return MergedUnitColumns::Named(
      {header.begin() + static_cast<ptrdiff_t>(kTsvHeader.size()), header.end()});
}

std::vector<std::string> UnitCellsOf(const std::vector<std::string>& cells) {
  return {cells.begin() + static_cast<ptrdiff_t>(kTsvHeader.size()), cells.end()};
}

std::string MergeTsv(const std::string& text, MergedOutputs& merged) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line)) return "no tallywright-count tsv header";
  merged.units = TsvUnitColumns(SplitTabs(line));
  if (!merged.units) return "no tallywright-count tsv header";
  const size_t fields = kTsvHeader.size() + merged.units->Names().size();
  std::vector<std::vector<std::string>> lines;
  while (std::getline(in, line)) {
    lines.push_back(SplitTabs(line));
    if (lines.back().size() != fields) {
      return "a line without the " + std::to_string(fields) + " tsv fields";
    }
  }
  // The last line holds the totals; a file may be called TOTAL too, so only its place tells.
  if (lines.empty() || lines.back()[0] != "TOTAL") return "no TOTAL line at the end";
  const std::vector<std::string> total = lines.back();
  lines.pop_back();
  const auto counts = CountsOf(total[1], total[2], total[3]);
  const auto amount = DecimalOf(total[6]);
  if (!counts || !amount || !merged.units->AddTotals(UnitCellsOf(total))) {
    return "a TOTAL line without numbers";
  }
  for (const auto& cells : lines) {
    merged.rows.push_back(RowOf(cells));
    merged.rows.back().unitCells = UnitCellsOf(cells);
  }
  AddTotals(merged.totals, counts->words, counts->CharactersWithSpaces(), counts->characters,
            *amount);
  return "";
}

std::string TextOf(const JsonValue* value) {
  return value && value->Is(Kind::String) ? value->text : "";
}

// The cell text of a json number, so that a row reads back as the tsv cell would.
std::string CellOf(const JsonValue* value) {
  return value && value->Is(Kind::Number) ? value->text : "";
}

std::string MergeJson(const JsonValue& document, MergedOutputs& merged) {
  const JsonValue* version = document.Member("schema_version");
  if (!version || !version->Is(Kind::Number) || version->number != kJsonSchemaVersion) {
    return "not a tallywright-count json output of schema version " +
           std::to_string(kJsonSchemaVersion);
  }
  const JsonValue* files = document.Member("files");
  const JsonValue* totals = document.Member("totals");
  if (!files || !files->Is(Kind::Array) || !totals || !totals->Is(Kind::Object)) {
    return "no files and totals";
  }
  const auto counts =
      CountsOf(CellOf(totals->Member("words")), CellOf(totals->Member("chars_with_spaces")),
               CellOf(totals->Member("chars")));
  const auto amount = DecimalOf(CellOf(totals->Member("amount")));
  std::vector<std::string> unitNames;
  std::vector<std::string> unitTotals;
  for (const std::string& name : MergedUnitColumns::AllNames()) {
    if (!totals->Member(name)) continue;
    unitNames.push_back(name);
    unitTotals.push_back(CellOf(totals->Member(name)));
  }
  merged.units = MergedUnitColumns::Named(unitNames);
  if (!counts || !amount || !merged.units->AddTotals(unitTotals)) return "totals without numbers";
  // Only other profiles than classic are named.
  const JsonValue* profile = document.Member("profile");
  merged.profile = profile ? ParseProfile(TextOf(profile)) : CountProfile::Classic;
  if (!merged.profile) return "an unknown profile";
  for (const JsonValue& file : files->items) {
    ResultRow result = RowOf({TextOf(file.Member("path")), CellOf(file.Member("words")),
                              CellOf(file.Member("chars_with_spaces")),
                              CellOf(file.Member("chars")), TextOf(file.Member("currency")),
                              TextOf(file.Member("rate")), CellOf(file.Member("amount"))});
    const std::string error = TextOf(file.Member("error"));
    if (!error.empty()) result.error = error;
    for (const std::string& name : unitNames) result.unitCells.push_back(CellOf(file.Member(name)));
    merged.rows.push_back(std::move(result));
  }
  AddTotals(merged.totals, counts->words, counts->CharactersWithSpaces(), counts->characters,
            *amount);
  return "";
}

// Unit columns and profiles must agree, or the sums would mix different things.
std::string Combine(MergedOutputs& merged, const MergedOutputs& one) {
  if (merged.units && merged.units->Names() != one.units->Names()) {
    return "other unit columns than the outputs before it";
  }
  if (merged.profile && one.profile && *merged.profile != *one.profile) {
    return "counted under another profile than the outputs before it";
  }
  if (merged.units) {
    merged.units->AddTotals(one.units->TotalTexts());
  } else {
    merged.units = one.units;
  }
  if (!merged.profile) merged.profile = one.profile;
  merged.rows.insert(merged.rows.end(), one.rows.begin(), one.rows.end());
  AddTotals(merged.totals, one.totals.words, one.totals.charsWithSpaces, one.totals.chars,
            one.totals.amount);
  return "";
}

}  // namespace

std::string MergeOutput(const std::string& text, MergedOutputs& merged) {
  MergedOutputs one;
  const size_t first = text.find_first_not_of(" \t\r\n");
  std::string error;
  if (first == std::string::npos || text[first] != '{') {
    error = MergeTsv(text, one);
  } else {
    const JsonParse parsed = ParseJson(text);
    if (!parsed.value) return "not valid JSON: " + parsed.error;
    error = MergeJson(*parsed.value, one);
  }
  return error.empty() ? Combine(merged, one) : error;
}

int RunMergeCommand(const CommandLine& line, std::ostream& out, std::ostream& allErrors) {
  std::ostream discarded(nullptr);
  std::ostream& errors = line.quiet ? discarded : allErrors;
  MergedOutputs merged;
  bool allRead = true;
  for (const std::string& path : line.paths) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      errors << ErrorLine(path, UnreadableReason(path).value_or("cannot be read")) << '\n';
      allRead = false;
      continue;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string error = MergeOutput(text.str(), merged);
    if (!error.empty()) {
      errors << ErrorLine(path, error) << '\n';
      allRead = false;
    }
  }
  bool allCounted = true;
  for (const ResultRow& row : merged.rows) allCounted = allCounted && row.error.empty();
  const PrintedUnitColumns units =
      merged.units ? PrintedUnitColumns{merged.units->Names(), merged.units->TotalTexts()}
                   : PrintedUnitColumns{};
  WriteResults(out, line.format, merged.rows, merged.totals,
               merged.profile.value_or(CountProfile::Classic), units);
  return allRead && allCounted ? 0 : 1;
}

}  // namespace tw::cli
