#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads an EPUB book: the XHTML documents of its spine, in reading order, one Block piece per
// document holding the text of its body (each block element on a line of its own; scripts and
// styles left out). The error names the file and says why.
ReadResult ReadEpub(const std::string& path);

}  // namespace tw
