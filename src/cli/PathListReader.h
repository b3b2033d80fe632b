#pragma once

#include <istream>
#include <string>
#include <vector>

namespace tw::cli {

// The paths in a list read from a stream: one a line, or each ending in a NUL byte when
// `nulSeparated` (as find -print0 writes them, so names holding a newline survive). Empty
// entries are skipped; a line list may end in CR LF.
std::vector<std::string> ReadPathList(std::istream& in, bool nulSeparated);

// `paths` with each "-" replaced by the list read from `in` (read once: a second "-" adds
// nothing, the stream being at its end).
std::vector<std::string> ExpandPathLists(const std::vector<std::string>& paths, std::istream& in,
                                         bool nulSeparated);

}  // namespace tw::cli
