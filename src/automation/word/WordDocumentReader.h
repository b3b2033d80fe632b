#pragma once

#include <string>

#include "automation/word/WordDocumentModel.h"

namespace tw {

// Opens a Word document of any supported format, told apart by its content as Word does (a ZIP
// package, a compound file or Rich Text), and reads it into the document model. Throws
// AutomationError (source "Word") saying why a file cannot be opened: missing, not a Word
// document, damaged, password-protected, or an older format.
WordDocument ReadWordDocument(const std::string& path);

}  // namespace tw
