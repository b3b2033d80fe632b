#pragma once

#include <cstddef>
#include <cstdint>

#include "counting/CountTotals.h"

namespace tw {

// Where the HTML scan of bytes stands between windows.
struct HtmlWindowState {
  FileCounts counts;
  bool textMode = true;
  bool entity = false;
  bool inWord = false;
};

// The HTML scan of bytes judged by the byte table, 64 bytes at a time: the window's delimiters
// are followed one by one to mark its text, markup and entity bytes, and the text is counted
// from bit masks. Counts p[0, n) in whole windows and returns how many bytes that was; the
// caller scans the rest. On SSE2, or AVX2 where ByteScanPathAvailable says so.
size_t ScanHtmlWindowsSse2(const uint8_t* p, size_t n, HtmlWindowState& state);
size_t ScanHtmlWindowsAvx2(const uint8_t* p, size_t n, HtmlWindowState& state);

}  // namespace tw
