#pragma once

#include <string>
#include <string_view>

namespace tw {

// Decodes the character reference starting at the "&" at `i` of HTML text into `out` (UTF-8), as
// a browser shows it: numeric references, and the named ones of Latin-1, Greek and general
// punctuation (&eacute; &mdash; &hellip; &euro; ...). Returns the position after it, or `i` when
// there is none there (the "&" is then text).
size_t DecodeHtmlReference(std::string_view text, size_t i, std::string& out);

}  // namespace tw
