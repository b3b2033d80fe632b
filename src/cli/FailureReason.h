#pragma once

#include <optional>
#include <string>

namespace tw::cli {

// Why `path` cannot be opened for reading, in the system's words ("No such file or directory",
// "Permission denied"); nothing when it can.
std::optional<std::string> UnreadableReason(const std::string& path);

// A reader's message for `path` without the path it ends in (before the system's reason in
// brackets, when there is one), so that the line built from it names the file once: "The document
// needs a password to open: a.pdf" gives "The document needs a password to open". A message that
// names the path elsewhere is kept whole.
std::string ReasonWithoutPath(const std::string& message, const std::string& path);

// "tallywright-count: PATH: reason", the shape of every per-file error line.
std::string ErrorLine(const std::string& path, const std::string& reason);

}  // namespace tw::cli
