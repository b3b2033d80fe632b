#pragma once

#include <string>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"

namespace tw {

// The counters that read a file's bytes themselves. A file that cannot be opened, allocated or
// read fails with the message the user has always been shown for it.

// Plain text, judged byte by byte or decoded first where the text calls for it.
// `threads`: how many threads a large file may be cut across.
FileCountResult CountTextFile(const std::string& path, const CountOptions& options,
                              int threads = 1);

// HTML: text outside tags and entities.
FileCountResult CountHtmlFile(const std::string& path, const CountOptions& options,
                              int threads = 1);

}  // namespace tw
