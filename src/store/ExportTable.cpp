#include "store/ExportTable.h"

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

ExportTable BuildExportTable(const std::vector<CountRow>& rows, const CountTotals& totals) {
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
  return table;
}

}  // namespace tw
