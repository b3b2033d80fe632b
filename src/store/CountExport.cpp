#include "store/CountExport.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/AtomicFileWriter.h"
#include "store/CsvText.h"
#include "store/XlsxWorkbook.h"

namespace tw {
namespace {

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                    [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

std::vector<std::string> TextsOf(const std::vector<ExportCell>& cells) {
  std::vector<std::string> texts;
  for (const ExportCell& cell : cells) texts.push_back(cell.text);
  return texts;
}

// libxlsxwriter writes only to a named file: the workbook goes to a private temporary file,
// whose bytes are then committed to the target like every other file we write.
class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallywright-XXXXXX.xlsx");
    const int fd = mkstemps(pattern.data(), 5);
    if (fd < 0) return;
    close(fd);
    path_ = pattern;
  }
  ~ScratchFile() {
    if (!path_.empty()) unlink(path_.c_str());
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

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

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WriteXlsx(const std::string& path, const ExportTable& table) {
  ScratchFile scratch;
  if (scratch.Path().empty()) return "no temporary file could be created";
  XlsxWorkbook workbook(scratch.Path(), "Count");
  if (!workbook.IsOpen()) return "the workbook could not be created";
  WriteSheet(workbook, table);
  const std::string closeError = workbook.Close();
  if (!closeError.empty()) return closeError;
  const std::string bytes = ReadAll(scratch.Path());
  if (bytes.empty()) return "the workbook could not be written";
  std::string error;
  return WriteFileAtomically(path, bytes, &error) ? "" : error;
}

}  // namespace

std::optional<ExportFormat> ExportFormatOfPath(const std::string& path) {
  if (EndsWithNoCase(path, ".csv")) return ExportFormat::Csv;
  if (EndsWithNoCase(path, ".xlsx")) return ExportFormat::Xlsx;
  return std::nullopt;
}

std::string CsvExportText(const ExportTable& table) {
  std::string text = CsvRecord(table.header);
  for (const std::vector<ExportCell>& line : table.lines) text += CsvRecord(TextsOf(line));
  return text + CsvRecord(TextsOf(table.totals));
}

std::string WriteCountExport(const std::string& path, const std::vector<CountRow>& rows,
                             const CountTotals& totals, const ExportUnits& units) {
  const std::optional<ExportFormat> format = ExportFormatOfPath(path);
  if (!format) return "the file name must end in .csv or .xlsx";
  const ExportTable table = BuildExportTable(rows, totals, units);
  if (*format == ExportFormat::Xlsx) return WriteXlsx(path, table);
  std::string error;
  return WriteFileAtomically(path, CsvExportText(table), &error) ? "" : error;
}

}  // namespace tw
