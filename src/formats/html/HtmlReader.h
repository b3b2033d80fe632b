#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads an HTML file as a browser shows it: one Block piece per stretch of text between block
// boundaries (paragraphs, headings, list items, table cells, line breaks, ...), with character
// references decoded, white space collapsed outside <pre> and <textarea>, and the content of
// comments, <script>, <style>, <title>, <template> and <noscript> left out. The text is decoded
// like other text files (byte-order mark, UTF-8, else Windows-1252). The error names the file
// and says why.
ReadResult ReadHtml(const std::string& path);

// The pieces of HTML text (exposed for the tests).
Document ParseHtml(std::string_view html);

}  // namespace tw
