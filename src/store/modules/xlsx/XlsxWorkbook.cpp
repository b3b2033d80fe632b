#include "store/modules/xlsx/XlsxWorkbook.h"

namespace tw {

XlsxWorkbook::XlsxWorkbook(const std::string& path, const std::string& sheetName)
    : workbook_(workbook_new(path.c_str())) {
  if (workbook_) sheet_ = workbook_add_worksheet(workbook_.get(), sheetName.c_str());
}

std::string XlsxWorkbook::Close() {
  if (!workbook_) return "the workbook could not be created";
  const lxw_error result = workbook_close(workbook_.release());
  sheet_ = nullptr;
  return result == LXW_NO_ERROR ? "" : lxw_strerror(result);
}

}  // namespace tw
