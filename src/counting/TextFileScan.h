#pragma once

#include <string>

#include "counting/TextScan.h"
#include "text/WholeFileReader.h"

namespace tw {

// Counts a plain-text file. Plain ASCII text, the common case, is scanned as it is read, in
// chunks; a file with a byte-order mark or any byte above 0x7F is read whole and scanned by
// ScanPlainText, which decides how to judge it.
ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts);

}  // namespace tw
