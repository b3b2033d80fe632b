#pragma once

#include <string>

#include "counting/CountProfile.h"
#include "counting/TextScan.h"
#include "text/RegularFile.h"
#include "text/WholeFileReader.h"

namespace tw {

// Counts a plain-text or HTML file as it is read, a piece at a time, so memory stays the same
// whatever the file's size.
ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts);
// The same for a file opened already, read from where it stands.
ReadStatus ScanTextFile(RegularFile& file, TextRules rules, FileCounts& counts);
ReadStatus ScanHtmlFile(const std::string& path, bool legacyByteRules, FileCounts& counts);
ReadStatus ScanHtmlFile(RegularFile& file, bool legacyByteRules, FileCounts& counts);
// A plain-text file under a profile other than classic: decoded like the classic scan decodes
// it, every code point judged by the profile.
ReadStatus ScanTextFileByProfile(const std::string& path, CountProfile profile, FileCounts& counts);

}  // namespace tw
