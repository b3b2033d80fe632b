#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tw {

// The legacy multi-byte charset (Shift_JIS, EUC-JP, EUC-KR, Big5, GB18030 and its subsets, the
// ISO-2022 family) that ICU's detector names for `sample` with high confidence, or "" when it
// names none of them. Single-byte charsets are never returned: their text keeps the byte tables.
std::string DetectMultiByteCharset(std::span<const uint8_t> sample);

}  // namespace tw
