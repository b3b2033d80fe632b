#pragma once

#include <string>
#include <string_view>

namespace tw {

// The kept files hold UTF-16 while the core speaks UTF-8. Ill-formed input (a stray byte, a lone
// surrogate) becomes U+FFFD instead of being dropped, so a conversion never loses the rest.
std::u16string Utf8ToUtf16(std::string_view text);
// The same, appended to `out`.
void AppendUtf8AsUtf16(std::u16string& out, std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Appends one code point (U+0000..U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// The UTF-16LE bytes of a text (two per code unit, no byte-order mark, no terminating zero).
std::string Utf16LeBytes(std::u16string_view text);

}  // namespace tw
