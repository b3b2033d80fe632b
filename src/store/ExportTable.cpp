#include "store/ExportTable.h"

#include "counting/StandardUnits.h"
#include "text/CNumbers.h"

namespace tw {
namespace {

constexpr int kAmountPlaces = 2;

// A row that failed, or was never counted, shows no counts.
ExportCell CountCell(const CountRow& row, int64_t (*count)(const FileCounts&)) {
  if (!row.counts || !row.failure.empty()) return ExportCell::Blank();
  return ExportCell::OfInteger(count(*row.counts));
}

ExportCell AmountCell(const CountRow& row) {
  if (!row.amount || !row.failure.empty()) return ExportCell::Blank();
  return ExportCell::OfFixed(*row.amount, kAmountPlaces);
}

std::vector<ExportColumn> MakeColumns() {
  const auto blank = [](const CountTotals&) { return ExportCell::Blank(); };
  return {
      {"path", [](const CountRow& row) { return ExportCell::OfText(row.path); },
       [](const CountTotals&) { return ExportCell::OfText("TOTAL"); }},
      {"words",
       [](const CountRow& row) {
         return CountCell(row, [](const FileCounts& c) { return c.words; });
       },
       [](const CountTotals& t) { return ExportCell::OfInteger(t.words); }},
      {"chars_with_spaces",
       [](const CountRow& row) {
         return CountCell(row, [](const FileCounts& c) { return c.CharactersWithSpaces(); });
       },
       [](const CountTotals& t) { return ExportCell::OfInteger(t.charsWithSpaces); }},
      {"chars",
       [](const CountRow& row) {
         return CountCell(row, [](const FileCounts& c) { return c.characters; });
       },
       [](const CountTotals& t) { return ExportCell::OfInteger(t.chars); }},
      {"currency", [](const CountRow& row) { return ExportCell::OfText(row.currency); }, blank},
      {"rate", [](const CountRow& row) { return ExportCell::OfTyped(row.rateText, row.rate); },
       blank},
      {"amount", &AmountCell,
       [](const CountTotals& t) { return ExportCell::OfFixed(t.amount, kAmountPlaces); }},
      // New columns go before this one: the reason reads best at the end of the line.
      {"error", [](const CountRow& row) { return ExportCell::OfText(row.failure); }, blank},
  };
}

// A unit column: its value in hundredths for a counted row (whole numbers are whole hundreds).
struct UnitColumn {
  std::string name;
  bool wholeNumber;
  std::function<int64_t(const FileCounts&)> hundredthsOf;
};

std::vector<UnitColumn> UnitColumnsOf(const ExportUnits& units) {
  const UnitOptions options = units.options;
  std::vector<UnitColumn> columns;
  if (units.lines) {
    columns.push_back({"lines", false, [options](const FileCounts& c) {
                         return StandardUnitHundredths(c.CharactersWithSpaces(),
                                                       options.lineLength);
                       }});
  }
  if (units.pages) {
    columns.push_back({"pages", false, [options](const FileCounts& c) {
                         return StandardUnitHundredths(c.CharactersWithSpaces(),
                                                       options.pageLength);
                       }});
  }
  if (units.repetitions) {
    columns.push_back(
        {"new_words", true, [](const FileCounts& c) { return 100 * (c.words - c.repeatedWords); }});
    columns.push_back(
        {"repeated_words", true, [](const FileCounts& c) { return 100 * c.repeatedWords; }});
    columns.push_back({"weighted_words", false, [options](const FileCounts& c) {
                         return WeightedWordHundredths(c, options.repetitionWeight);
                       }});
  }
  return columns;
}

ExportCell HundredthsCell(int64_t hundredths, bool wholeNumber) {
  if (wholeNumber) return ExportCell::OfInteger(hundredths / 100);
  return ExportCell::OfFixed(static_cast<double>(hundredths) / 100.0, kAmountPlaces);
}

bool IsCountedRow(const CountRow& row) {
  return row.counts && row.failure.empty();
}

// The unit columns go before the last column, the reason of a failed row.
void AddUnitColumns(ExportTable& table, const std::vector<CountRow>& rows,
                    const ExportUnits& units) {
  for (const UnitColumn& column : UnitColumnsOf(units)) {
    const size_t at = table.header.size() - 1;
    table.header.insert(table.header.begin() + static_cast<std::ptrdiff_t>(at), column.name);
    int64_t total = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
      std::vector<ExportCell>& line = table.lines[i];
      ExportCell cell;
      if (IsCountedRow(rows[i])) {
        const int64_t hundredths = column.hundredthsOf(*rows[i].counts);
        total += hundredths;
        cell = HundredthsCell(hundredths, column.wholeNumber);
      }
      line.insert(line.begin() + static_cast<std::ptrdiff_t>(at), cell);
    }
    table.totals.insert(table.totals.begin() + static_cast<std::ptrdiff_t>(at),
                        HundredthsCell(total, column.wholeNumber));
  }
}

}  // namespace

ExportCell ExportCell::OfInteger(int64_t value) {
  return {Kind::Integer, std::to_string(value), static_cast<double>(value), 0};
}

ExportCell ExportCell::OfFixed(double value, int places) {
  return {Kind::Decimal, FormatFixed(value, places), value, places};
}

ExportCell ExportCell::OfTyped(const std::string& typed, double value) {
  if (typed.empty()) return Blank();
  return {Kind::Decimal, typed, value, -1};
}

const std::vector<ExportColumn>& ExportColumns() {
  static const std::vector<ExportColumn> columns = MakeColumns();
  return columns;
}

ExportTable BuildExportTable(const std::vector<CountRow>& rows, const CountTotals& totals,
                             const ExportUnits& units) {
  ExportTable table;
  for (const ExportColumn& column : ExportColumns()) {
    table.header.push_back(column.name);
    table.totals.push_back(column.totalOf(totals));
  }
  table.lines.reserve(rows.size());
  for (const CountRow& row : rows) {
    std::vector<ExportCell>& line = table.lines.emplace_back();
    for (const ExportColumn& column : ExportColumns()) line.push_back(column.cellOf(row));
  }
  AddUnitColumns(table, rows, units);
  return table;
}

}  // namespace tw
