#pragma once

#include <string_view>

#include "counting/CountTotals.h"

namespace tw {

// The title master's scan of one text: every character that is not blank is a word character,
// and stretches between the markers "\u2039" and "\u203A" (or the units 0x8B and 0x9B), such as
// the slide-number field "\u2039#\u203A", are skipped. The legacy byte rules judge the low byte
// of each unit, markers included.
FileCounts ScanTitleMasterText(std::u16string_view text, bool legacyByteRules);

}  // namespace tw
