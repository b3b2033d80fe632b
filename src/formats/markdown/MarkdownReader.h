#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads a Markdown file (.md, .markdown): one Block piece per paragraph, heading, list item line
// run, table or code block, holding the text a reader sees. Heading, quote and list marks, table
// rules and pipes, thematic breaks, code fences with their info strings and link reference
// definitions are left out; the lines of a code block are kept as text. The error names the
// file and says why.
ReadResult ReadMarkdown(const std::string& path);

// The pieces of Markdown text (exposed for the tests and the fuzzer).
Document ParseMarkdown(std::string_view text);

}  // namespace tw
