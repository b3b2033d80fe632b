#include "store/CountExport.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "formats/common/LoadableModule.h"
#include "store/AtomicFileWriter.h"
#include "store/CsvText.h"
#include "store/XlsxModule.h"

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

// The workbook is written by the XLSX module, loaded on the first export.
std::string WriteWorkbook(const std::string& path, const ExportTable& table) {
  try {
    static const LoadableModule module("tallywright-xlsx");
    static const XlsxModule& xlsx = module.EntryTable<XlsxModule>("tw_xlsx_module");
    return xlsx.writeWorkbook(path, table);
  } catch (const ModuleMissing& missing) {
    return missing.what();
  }
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WriteXlsx(const std::string& path, const ExportTable& table) {
  ScratchFile scratch;
  if (scratch.Path().empty()) return "no temporary file could be created";
  const std::string writeError = WriteWorkbook(scratch.Path(), table);
  if (!writeError.empty()) return writeError;
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
