#pragma once

#include <string>

#include "counting/TextScan.h"
#include "text/WholeFileReader.h"

namespace tw {

// Counts a plain-text or HTML file as it is read, a piece at a time, so memory stays the same
// whatever the file's size.
ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts);
ReadStatus ScanHtmlFile(const std::string& path, bool legacyByteRules, FileCounts& counts);

}  // namespace tw
