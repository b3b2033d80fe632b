#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads an InDesign markup package (.idml): one Block piece per story, in the order the design
// map lists them, holding the story's content with each paragraph break as a line break. The
// error names the file and says why.
ReadResult ReadIdml(const std::string& path);

}  // namespace tw
