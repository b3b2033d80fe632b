#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads a Word 6.0 to 2003 .doc file. Throws ReaderError saying why the file cannot be read (not a
// document, damaged, password-protected, or saved by an older Word).
Document ReadDocDocument(const std::string& path);

}  // namespace tw
