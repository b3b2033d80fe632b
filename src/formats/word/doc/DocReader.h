#pragma once

#include <string>

#include "formats/word/WordDocumentModel.h"

namespace tw {

// Reads a Word 97-2003 .doc file into the Word document model. Throws ReaderError (source
// "Word") with a description that says why the file cannot be read (not a document, damaged,
// password-protected, Word 6/95 or older).
WordDocument ReadDocDocument(const std::string& path);

}  // namespace tw
