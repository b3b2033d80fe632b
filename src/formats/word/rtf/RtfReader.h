#pragma once

#include <string>

#include "formats/word/WordDocumentModel.h"

namespace tw {

// Reads an .rtf file into the Word document model. Throws ReaderError (source "Word") with
// a description that says why the file cannot be read.
WordDocument ReadRtfDocument(const std::string& path);

}  // namespace tw
