#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads a Word 97-2003 .doc file. Throws ReaderError saying why the file cannot be read (not a
// document, damaged, password-protected, Word 6/95 or older).
Document ReadDocDocument(const std::string& path);

}  // namespace tw
