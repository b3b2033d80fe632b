#pragma once

#include <optional>
#include <string>
#include <vector>

#include "counting/CountRow.h"
#include "counting/CountTotals.h"
#include "store/ExportTable.h"

namespace tw {

enum class ExportFormat { Csv, Xlsx };

// The format a file name asks for by its suffix (.csv or .xlsx, in any case), or nothing.
std::optional<ExportFormat> ExportFormatOfPath(const std::string& path);

// The table as UTF-8 CSV (RFC 4180: comma-separated, CR LF line ends, quoted where needed).
std::string CsvExportText(const ExportTable& table);

// Writes the count list to `path` as CSV or XLSX by its suffix, replacing any older file
// atomically. "" when it was written, else why not; an older file then stays as it was.
// `units` adds the unit columns before the reason column.
std::string WriteCountExport(const std::string& path, const std::vector<CountRow>& rows,
                             const CountTotals& totals, const ExportUnits& units = {});

}  // namespace tw
