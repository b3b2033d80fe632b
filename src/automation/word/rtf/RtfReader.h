#pragma once

#include <string>

#include "automation/word/WordDocumentModel.h"

namespace tw {

// Reads an .rtf file into the Word document model. Throws AutomationError (source "Word") with
// a description that says why the file cannot be read.
WordDocument ReadRtfDocument(const std::string& path);

}  // namespace tw
