#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an Office Open XML workbook (.xlsx, .xlsm): one SheetCell piece per cell that holds text
// (a shared string, rich text runs joined, or an inline string), sheet by sheet in workbook
// order; a hidden sheet's cells are marked hidden. Numbers, dates, booleans, errors and formula
// results are not text. Throws ContainerError when the workbook cannot be read.
Document ReadXlsxDocument(const std::string& path);

}  // namespace tw
