#pragma once

#include <string>

#include "counting/CountProfile.h"
#include "counting/TextScan.h"
#include "text/RegularFile.h"
#include "text/WholeFileReader.h"

namespace tw {

// Where a scan keeps the bytes it reads, for a second look at the text without a second read. A
// file longer than `limit` is not kept: `whole` is then false and `bytes` empty.
struct KeptBytes {
  size_t limit = 0;
  std::string bytes;
  bool whole = true;
};

// Counts a plain-text or HTML file as it is read, a piece at a time, so memory stays the same
// whatever the file's size (unless its bytes are kept).
ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts,
                        KeptBytes* kept = nullptr);
// The same for a file opened already, read from where it stands.
ReadStatus ScanTextFile(RegularFile& file, TextRules rules, FileCounts& counts,
                        KeptBytes* kept = nullptr);
ReadStatus ScanHtmlFile(const std::string& path, bool legacyByteRules, FileCounts& counts,
                        KeptBytes* kept = nullptr);
ReadStatus ScanHtmlFile(RegularFile& file, bool legacyByteRules, FileCounts& counts,
                        KeptBytes* kept = nullptr);
// A plain-text file under a profile other than classic: decoded like the classic scan decodes
// it, every code point judged by the profile.
ReadStatus ScanTextFileByProfile(const std::string& path, CountProfile profile, FileCounts& counts,
                                 KeptBytes* kept = nullptr);

}  // namespace tw
