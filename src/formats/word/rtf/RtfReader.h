#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an .rtf file. Throws ReaderError saying why the file cannot be read.
Document ReadRtfDocument(const std::string& path);

}  // namespace tw
