#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "counting/CountTotals.h"
#include "counting/TextScanPolicies.h"
#include "counting/TextScanStream.h"

namespace tw {

struct TextRules {
  bool extraSymbolsAsWords = false;
  bool legacyByteRules = false;
};

// The scans of a text handed over in pieces.
using PlainTextStream = TextScanStream<PlainTextPolicy>;
using HtmlStream = TextScanStream<HtmlPolicy>;

// The plain-text scan of a whole file's bytes (decoded first where the text calls for it).
FileCounts ScanPlainText(std::span<const uint8_t> bytes, TextRules rules);

// The byte-by-byte scan alone, for bytes that are judged one by one.
FileCounts ScanBytes(std::span<const uint8_t> bytes, bool extraSymbolsAsWords);
// The same for bytes that continue with `next` (whether the last byte ends a word depends on it).
FileCounts ScanBytesFollowedBy(std::span<const uint8_t> bytes, uint8_t next,
                               bool extraSymbolsAsWords);

// The HTML scan of a whole file's bytes.
FileCounts ScanHtml(std::span<const uint8_t> bytes, bool legacyByteRules);

// The plain-text scan of one text handed back by a document engine: judged by code point, or by
// the low byte of each unit under the legacy rules. A word never runs from one text into another.
FileCounts ScanUtf16Text(std::u16string_view text, TextRules rules);

}  // namespace tw
