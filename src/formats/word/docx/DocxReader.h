#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an Office Open XML word-processing package (.docx); the body's table cells are pieces of
// their own. Throws ReaderError saying why the file cannot be read.
Document ReadDocxDocument(const std::string& path);

}  // namespace tw
