#pragma once

#include <string>

#include "formats/word/WordDocumentModel.h"

namespace tw {

// Reads an Office Open XML word-processing package (.docx) into the Word document model.
// Throws ReaderError (source "Word") saying why the file cannot be read.
WordDocument ReadDocxDocument(const std::string& path);

}  // namespace tw
