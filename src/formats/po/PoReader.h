#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads a gettext catalogue (.po, .pot): one Segment piece per message text, its msgid and then
// its msgid_plural, with C escapes decoded. Comments, obsolete entries, contexts and
// translations are not read. The error names the file and says why.
ReadResult ReadPo(const std::string& path);

// The pieces of a catalogue's text (exposed for the tests and the fuzzer).
Document ParsePo(std::string_view text);

}  // namespace tw
