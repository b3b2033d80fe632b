#pragma once

#include <string>
#include <string_view>

namespace tw {

// The text of a line of light markup as shown: tags (<i>, </b>, <c.yellow>, <00:01.000>) left
// out, the common character references (&amp; &lt; &gt; &quot; &apos; &nbsp; and numeric ones)
// decoded. A "<" that no ">" closes is text.
std::string VisibleTextOfMarkup(std::string_view line);

// The text with its character references decoded and nothing else changed.
std::string DecodedCharacterReferences(std::string_view text);

// Decodes one character reference starting at the "&" at `i` into `out`; returns the position
// after it, or `i` when there is none there.
size_t DecodeCharacterReference(std::string_view text, size_t i, std::string& out);

}  // namespace tw
