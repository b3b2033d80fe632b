// The XLSX module: libxlsxwriter behind the XlsxModule entry point, loaded only by a program that
// exports a workbook.
#include <cmath>
#include <string>

#include "store/XlsxModule.h"
#include "store/modules/xlsx/XlsxWorkbook.h"

namespace tw {
namespace {

struct SheetFormats {
  lxw_format* header = nullptr;
  lxw_format* totals = nullptr;
  lxw_format* integer = nullptr;
  lxw_format* fixed = nullptr;
  lxw_format* totalInteger = nullptr;
  lxw_format* totalFixed = nullptr;
};

SheetFormats MakeFormats(XlsxWorkbook& workbook) {
  SheetFormats formats;
  formats.header = workbook.AddFormat();
  format_set_bold(formats.header);
  formats.totals = workbook.AddFormat();
  format_set_bold(formats.totals);
  formats.integer = workbook.AddFormat();
  format_set_num_format(formats.integer, "0");
  formats.fixed = workbook.AddFormat();
  format_set_num_format(formats.fixed, "0.00");
  formats.totalInteger = workbook.AddFormat();
  format_set_num_format(formats.totalInteger, "0");
  format_set_bold(formats.totalInteger);
  formats.totalFixed = workbook.AddFormat();
  format_set_num_format(formats.totalFixed, "0.00");
  format_set_bold(formats.totalFixed);
  return formats;
}

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const ExportCell& cell,
               const SheetFormats& formats, bool total) {
  lxw_format* textFormat = total ? formats.totals : nullptr;
  switch (cell.kind) {
    case ExportCell::Kind::Empty:
      return;
    case ExportCell::Kind::Text:
      worksheet_write_string(sheet, row, column, cell.text.c_str(), textFormat);
      return;
    case ExportCell::Kind::Integer:
    case ExportCell::Kind::Decimal:
      break;
  }
  // A spreadsheet cannot hold an infinite amount; the text says what it is.
  if (!std::isfinite(cell.number)) {
    worksheet_write_string(sheet, row, column, cell.text.c_str(), textFormat);
    return;
  }
  lxw_format* format = textFormat;
  if (cell.kind == ExportCell::Kind::Integer) {
    format = total ? formats.totalInteger : formats.integer;
  } else if (cell.decimals == 2) {
    format = total ? formats.totalFixed : formats.fixed;
  }
  worksheet_write_number(sheet, row, column, cell.number, format);
}

void WriteSheet(XlsxWorkbook& workbook, const ExportTable& table) {
  const SheetFormats formats = MakeFormats(workbook);
  lxw_worksheet* sheet = workbook.Sheet();
  for (size_t column = 0; column < table.header.size(); ++column) {
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column), table.header[column].c_str(),
                           formats.header);
  }
  lxw_row_t row = 1;
  for (const std::vector<ExportCell>& line : table.lines) {
    for (size_t column = 0; column < line.size(); ++column) {
      WriteCell(sheet, row, static_cast<lxw_col_t>(column), line[column], formats, false);
    }
    ++row;
  }
  for (size_t column = 0; column < table.totals.size(); ++column) {
    WriteCell(sheet, row, static_cast<lxw_col_t>(column), table.totals[column], formats, true);
  }
  worksheet_set_column(sheet, 0, 0, 60, nullptr);
  worksheet_freeze_panes(sheet, 1, 0);
}

std::string WriteWorkbook(const std::string& path, const ExportTable& table) {
  XlsxWorkbook workbook(path, "Count");
  if (!workbook.IsOpen()) return "the workbook could not be created";
  WriteSheet(workbook, table);
  return workbook.Close();
}

constexpr XlsxModule kModule{WriteWorkbook};

}  // namespace

}  // namespace tw

extern "C" __attribute__((visibility("default"))) const tw::XlsxModule* tw_xlsx_module() {
  return &tw::kModule;
}
