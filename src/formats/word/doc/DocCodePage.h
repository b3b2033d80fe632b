#pragma once

#include <cstdint>

namespace tw {

// The Windows code page of the 8-bit text of a Word 6.0/95 file written in `language` (the FIB's
// language id): those Windows used for that language, 1252 for Western and unknown ones.
int CodePageOfLanguage(uint16_t language);

}  // namespace tw
