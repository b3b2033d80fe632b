#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "counting/CountOptions.h"
#include "counting/CountRow.h"
#include "counting/CountTotals.h"

namespace tw {

// One cell of an exported table. Numbers keep their value for spreadsheets and the text the
// count list shows for them for CSV; an empty cell is left blank in both.
struct ExportCell {
  enum class Kind { Empty, Text, Integer, Decimal };

  Kind kind = Kind::Empty;
  std::string text;
  double number = 0.0;
  int decimals = -1;  // a Decimal's fixed places in a spreadsheet; -1 shows it as it is

  static ExportCell Blank() { return {}; }
  static ExportCell OfText(std::string text) { return {Kind::Text, std::move(text)}; }
  static ExportCell OfInteger(int64_t value);
  // A number shown with `places` decimals.
  static ExportCell OfFixed(double value, int places);
  // A number the user typed, shown as typed.
  static ExportCell OfTyped(const std::string& typed, double value);
};

// A column of the exports: its header and how a row and the totals fill it. New columns (more
// units, more counts) are one entry more in ExportColumns().
struct ExportColumn {
  std::string name;
  std::function<ExportCell(const CountRow&)> cellOf;
  std::function<ExportCell(const CountTotals&)> totalOf;
};

// The columns of the CSV and XLSX exports, in order: path, words, chars_with_spaces, chars,
// currency, rate, amount, and error last (why a row failed; a failed row has no numbers).
const std::vector<ExportColumn>& ExportColumns();

// The count list as a table: the header names, one line per row and the totals line ("TOTAL").
struct ExportTable {
  std::vector<std::string> header;
  std::vector<std::vector<ExportCell>> lines;
  std::vector<ExportCell> totals;
};

// The unit columns an export carries after "amount", as the window shows them and the command
// line prints them: lines and pages (two decimals), new_words, repeated_words, weighted_words.
struct ExportUnits {
  bool lines = false;
  bool pages = false;
  bool repetitions = false;
  UnitOptions options;
};

ExportTable BuildExportTable(const std::vector<CountRow>& rows, const CountTotals& totals,
                             const ExportUnits& units = {});

}  // namespace tw
