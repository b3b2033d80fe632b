#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Which language of a bilingual file is read.
enum class XliffSide { Source, Target };

// Reads an XLIFF 1.2 or 2.0 file (and the tools' dialects of it): one Segment piece per
// translation unit (or per segment), holding the text of its source or target. Inline codes are
// left out while the text they wrap is kept; units marked translate="no" or locked, and
// translation-memory proposals, are left out. The error names the file and says why.
ReadResult ReadXliff(const std::string& path, XliffSide side = XliffSide::Source);

}  // namespace tw
