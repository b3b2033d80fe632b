#include "automation/word/rtf/RtfReader.h"

#include "automation/AutomationError.h"

namespace tw {

WordDocument ReadRtfDocument(const std::string& path) {
  (void)path;
  throw AutomationError("Word", "Rich Text Format documents are not supported yet");
}

}  // namespace tw
