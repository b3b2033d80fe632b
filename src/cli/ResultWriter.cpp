#include "cli/ResultWriter.h"

#include <algorithm>
#include <array>

#include "cli/JsonText.h"
#include "cli/UnitColumnTexts.h"
#include "counting/ContentSwitches.h"
#include "store/CsvText.h"
#include "text/CNumbers.h"

namespace tw::cli {
namespace {

using Fields = std::vector<std::string>;

// The unit columns' names, each row's cells and the totals line's cells.
struct UnitCells {
  Fields names;
  std::vector<Fields> rows;
  Fields totals;
};

bool IsCounted(const ResultRow& result) {
  return result.row.counts.has_value();
}

// The amount as the list shows it, without the list's right-aligning blanks.
std::string AmountText(const CountRow& row) {
  return FormatFixed(row.amount.value_or(0.0), 2);
}

Fields FieldsOf(const ResultRow& result) {
  const CountRow& row = result.row;
  if (!IsCounted(result)) return {row.path, "", "", "", row.currency, row.rateText, ""};
  return {row.path,
          std::to_string(row.counts->words),
          std::to_string(row.counts->CharactersWithSpaces()),
          std::to_string(row.counts->characters),
          row.currency,
          row.rateText,
          AmountText(row)};
}

Fields TotalFields(const CountTotals& totals) {
  return {"TOTAL",
          std::to_string(totals.words),
          std::to_string(totals.charsWithSpaces),
          std::to_string(totals.chars),
          "",
          "",
          FormatFixed(totals.amount, 2)};
}

const Fields kHeader = {"path", "words", "chars_with_spaces", "chars", "currency",
                        "rate", "amount"};

void WriteSeparated(std::ostream& out, const Fields& fields, char separator,
                    std::string (*quote)(const std::string&), const char* lineEnd) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << separator;
    out << quote(fields[i]);
  }
  out << lineEnd;
}

std::string TsvField(const std::string& text) {
  std::string field = text;
  std::replace(field.begin(), field.end(), '\t', ' ');
  std::replace(field.begin(), field.end(), '\n', ' ');
  std::replace(field.begin(), field.end(), '\r', ' ');  // some readers end a line at a CR too
  return field;
}

// A rate large enough makes the amount infinite, which JSON cannot hold.
std::string JsonNumberOrNull(bool present, const std::string& number) {
  const bool isNumber =
      !number.empty() && number.find_first_not_of("-.0123456789") == std::string::npos;
  return present && isNumber ? number : "null";
}

Fields Joined(Fields fields, const std::vector<std::string>& more) {
  fields.insert(fields.end(), more.begin(), more.end());
  return fields;
}

// `"name":value` for each unit column, each after a comma.
std::string JsonUnitFields(const std::vector<std::string>& names,
                           const std::vector<std::string>& values, bool present) {
  std::string json;
  for (size_t i = 0; i < names.size(); ++i) {
    json += ",\"" + names[i] + "\":" + JsonNumberOrNull(present, values[i]);
  }
  return json;
}

std::vector<CountRow> CountRowsOf(const std::vector<ResultRow>& rows) {
  std::vector<CountRow> countRows;
  for (const ResultRow& result : rows) countRows.push_back(result.row);
  return countRows;
}

UnitCells CellsOf(const std::vector<ResultRow>& rows, const UnitColumnTexts& units) {
  UnitCells cells{units.Names(), {}, units.Totals(CountRowsOf(rows))};
  for (const ResultRow& row : rows) cells.rows.push_back(units.Cells(row.row));
  return cells;
}

// A merged row keeps the cells it was printed with; one without any has them empty.
UnitCells CellsOf(const std::vector<ResultRow>& rows, const PrintedUnitColumns& columns) {
  UnitCells cells{columns.names, {}, columns.totals};
  for (const ResultRow& row : rows) {
    Fields rowCells = row.unitCells;
    rowCells.resize(columns.names.size());
    cells.rows.push_back(std::move(rowCells));
  }
  return cells;
}

void WriteJsonRow(std::ostream& out, const ResultRow& result, const Fields& unitNames,
                  const Fields& unitCells) {
  const Fields fields = FieldsOf(result);
  const bool counted = IsCounted(result);
  out << "{\"path\":" << JsonQuoted(fields[0])
      << ",\"words\":" << JsonNumberOrNull(counted, fields[1])
      << ",\"chars_with_spaces\":" << JsonNumberOrNull(counted, fields[2])
      << ",\"chars\":" << JsonNumberOrNull(counted, fields[3])
      << ",\"currency\":" << JsonQuoted(fields[4]) << ",\"rate\":" << JsonQuoted(fields[5])
      << ",\"amount\":" << JsonNumberOrNull(counted, fields[6])
      << JsonUnitFields(unitNames, unitCells, counted)
      << ",\"error\":" << (result.error.empty() ? "null" : JsonQuoted(result.error)) << '}';
}

// The content switches that were on, as a list of their names.
std::string JsonIncluded(const ContentSwitches& included) {
  const std::string names = ContentSwitchesText(included);
  std::string json = "[";
  for (size_t start = 0; start < names.size();) {
    const size_t comma = std::min(names.find(',', start), names.size());
    if (start > 0) json += ',';
    json += JsonQuoted(names.substr(start, comma - start));
    start = comma + 1;
  }
  return json + "]";
}

void WriteJson(std::ostream& out, const std::vector<ResultRow>& rows, const CountTotals& totals,
               const ContentSwitches& included, CountProfile profile, const UnitCells& units) {
  out << "{\"schema_version\":" << kJsonSchemaVersion << ",\"files\":[";
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out << ',';
    WriteJsonRow(out, rows[i], units.names, units.rows[i]);
  }
  out << "],\"totals\":{\"words\":" << totals.words
      << ",\"chars_with_spaces\":" << totals.charsWithSpaces << ",\"chars\":" << totals.chars
      << ",\"amount\":" << JsonNumberOrNull(true, FormatFixed(totals.amount, 2))
      << JsonUnitFields(units.names, units.totals, true)
      << "},\"include\":" << JsonIncluded(included);
  // Classic output stays as it always was; other profiles say which they are.
  if (profile != CountProfile::Classic) {
    out << ",\"profile\":" << JsonQuoted(std::string(ProfileName(profile)));
  }
  out << "}\n";
}

// The header, every row and the totals, each with its unit columns.
std::vector<Fields> AllLines(const std::vector<ResultRow>& rows, const CountTotals& totals,
                             const UnitCells& units) {
  std::vector<Fields> lines = {Joined(kHeader, units.names)};
  for (size_t i = 0; i < rows.size(); ++i) {
    lines.push_back(Joined(FieldsOf(rows[i]), units.rows[i]));
  }
  lines.push_back(Joined(TotalFields(totals), units.totals));
  return lines;
}

void WriteTable(std::ostream& out, const std::vector<Fields>& lines) {
  std::vector<size_t> widths(lines.front().size());
  for (const Fields& line : lines) {
    for (size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  }
  for (const Fields& line : lines) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
      const std::string padding(widths[i] - line[i].size(), ' ');
      // Paths and currencies read left to right; numbers line up on the right.
      const bool leftAligned = i == 0 || i == 4;
      text += leftAligned ? line[i] + padding : padding + line[i];
      if (i + 1 < line.size()) text += "  ";
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
  }
}

void Write(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
           const CountTotals& totals, const ContentSwitches& included, CountProfile profile,
           const UnitCells& units) {
  switch (format) {
    case OutputFormat::Json:
      WriteJson(out, rows, totals, included, profile, units);
      return;
    case OutputFormat::Table:
      WriteTable(out, AllLines(rows, totals, units));
      return;
    case OutputFormat::Tsv:
    case OutputFormat::Csv: {
      const char separator = format == OutputFormat::Tsv ? '\t' : ',';
      auto* quote = format == OutputFormat::Tsv ? &TsvField : &CsvField;
      // CSV records end in CR LF as RFC 4180 has them.
      const char* lineEnd = format == OutputFormat::Tsv ? "\n" : "\r\n";
      for (const Fields& line : AllLines(rows, totals, units)) {
        WriteSeparated(out, line, separator, quote, lineEnd);
      }
      return;
    }
  }
}

}  // namespace

void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals, const ContentSwitches& included, CountProfile profile,
                  const UnitColumns& columns, const UnitOptions& unitOptions) {
  const UnitColumnTexts units(columns, unitOptions);
  Write(out, format, rows, totals, included, profile, CellsOf(rows, units));
}

void WriteResults(std::ostream& out, OutputFormat format, const std::vector<ResultRow>& rows,
                  const CountTotals& totals, CountProfile profile,
                  const PrintedUnitColumns& columns) {
  Write(out, format, rows, totals, {}, profile, CellsOf(rows, columns));
}

}  // namespace tw::cli
