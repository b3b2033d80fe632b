#include "automation/word/doc/DocReader.h"

#include "automation/AutomationError.h"

namespace tw {

WordDocument ReadDocDocument(const std::string& path) {
  (void)path;
  throw AutomationError("Word", "Word 97-2003 documents are not supported yet");
}

}  // namespace tw
