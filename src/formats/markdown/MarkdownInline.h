#pragma once

#include <string>
#include <string_view>

namespace tw {

// The text a reader sees of one line of Markdown inline content: emphasis and code-span marks,
// link and image targets, raw HTML tags and backslashes before punctuation are left out; link
// texts, image descriptions and code-span contents are kept; character references are decoded.
std::string MarkdownInlineText(std::string_view line);

}  // namespace tw
