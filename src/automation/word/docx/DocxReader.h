#pragma once

#include <string>

#include "automation/word/WordDocumentModel.h"

namespace tw {

// Reads an Office Open XML word-processing package (.docx) into the Word document model.
// Throws AutomationError (source "Word") saying why the file cannot be read.
WordDocument ReadDocxDocument(const std::string& path);

}  // namespace tw
