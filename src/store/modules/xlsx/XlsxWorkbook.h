#pragma once

#include <memory>
#include <string>

#include <xlsxwriter.h>

namespace tw {

// One libxlsxwriter workbook with a single sheet. The library writes the file when the workbook
// is closed; a workbook destroyed without Close() is closed then, and whatever it wrote is left
// for the caller's temporary file to remove.
class XlsxWorkbook {
 public:
  XlsxWorkbook(const std::string& path, const std::string& sheetName);
  XlsxWorkbook(const XlsxWorkbook&) = delete;
  XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

  bool IsOpen() const { return workbook_ != nullptr && sheet_ != nullptr; }
  lxw_worksheet* Sheet() const { return sheet_; }
  // A cell format owned by the workbook.
  lxw_format* AddFormat() { return workbook_add_format(workbook_.get()); }
  // Writes the file and frees the workbook; "" when that worked, else the library's reason.
  std::string Close();

 private:
  struct Closer {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
  };
  std::unique_ptr<lxw_workbook, Closer> workbook_;
  lxw_worksheet* sheet_ = nullptr;  // owned by the workbook
};

}  // namespace tw
