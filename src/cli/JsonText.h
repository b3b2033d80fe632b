#pragma once

#include <string>

namespace tw::cli {

// `text` as a JSON string literal. Bytes that are not well-formed UTF-8 (a file name on Linux may
// hold any byte but '/' and NUL) become U+FFFD, so the output stays valid JSON whatever the paths.
std::string JsonQuoted(const std::string& text);

// The length of the well-formed UTF-8 sequence at text[at], or 0 when none starts there.
size_t Utf8SequenceLength(const std::string& text, size_t at);

}  // namespace tw::cli
