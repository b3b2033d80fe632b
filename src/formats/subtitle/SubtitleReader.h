#pragma once

#include <string>
#include <string_view>

#include "formats/ReadResult.h"

namespace tw {

// Reads a subtitle file (.srt, .vtt): one Cue piece per cue, holding its text lines without the
// cue number or identifier, the timing line with its settings, and markup tags; character
// references are decoded. Header, note, style and region blocks are not cues. The error names
// the file and says why.
ReadResult ReadSubtitles(const std::string& path);

// The pieces of a subtitle file's text; throws ContainerError when text that is there holds no
// cue at all (exposed for the tests and the fuzzer).
Document ParseSubtitles(std::string_view text);

}  // namespace tw
