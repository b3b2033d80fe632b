#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "counting/TextScan.h"
#include "text/RegularFile.h"
#include "text/WholeFileReader.h"

namespace tw {

// A part smaller than this is not worth a thread of its own.
inline constexpr uint64_t kSmallestTextPart = uint64_t{32} << 20;

// Counts a large plain-text file in up to `threads` parts at once, each cut just after a line
// feed, with the counts a one-piece scan gives. Nothing when the file is not worth cutting (a
// part would be smaller than `smallestPart`) or not safe to cut (decoded from a byte-order mark
// or a legacy multi-byte charset, or no line feed where a cut should go); the caller then scans
// it in one piece. Reads with ReadAt only, so the file still stands where it stood.
std::optional<ReadStatus> ScanTextFileInParts(const RegularFile& file, TextRules rules, int threads,
                                              FileCounts& counts,
                                              uint64_t smallestPart = kSmallestTextPart);

// The same for an HTML file, cut just after a ">"; where a part was cut inside text, a word or
// an entity, the part before it reads on over it, so the counts stay those of one piece.
std::optional<ReadStatus> ScanHtmlFileInParts(const RegularFile& file, bool legacyByteRules,
                                              int threads, FileCounts& counts,
                                              uint64_t smallestPart = kSmallestTextPart);

}  // namespace tw
