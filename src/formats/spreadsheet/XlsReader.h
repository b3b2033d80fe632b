#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/Document.h"

namespace tw {

// Reads a binary Excel 97-2003 workbook (.xls, BIFF8): one SheetCell piece per cell that shows a
// string of the shared string table, sheet by sheet in workbook order, a hidden sheet's cells
// marked hidden. Numbers and formula results are not text. Throws ContainerError when the
// workbook cannot be read and ReaderError when it is password-protected.
Document ReadXlsDocument(const std::string& path);

// The same from the workbook stream's bytes (exposed for the tests and the fuzzer).
Document ParseXlsWorkbook(std::span<const uint8_t> stream);

}  // namespace tw
