#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads a spreadsheet of any supported format (.xlsx, .xlsm, .ods and their flat or template
// forms), told apart by content. The error names the file and says why it cannot be read.
ReadResult ReadSpreadsheet(const std::string& path);

}  // namespace tw
