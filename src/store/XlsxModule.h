#pragma once

#include <string>

#include "store/ExportTable.h"

namespace tw {

// The XLSX module's entry points (libtallywright-xlsx.so, function "tw_xlsx_module").
struct XlsxModule {
  // Writes `table` as a one-sheet workbook to `path`; "" when that worked, else why not.
  std::string (*writeWorkbook)(const std::string& path, const ExportTable& table);
};

}  // namespace tw
