#include "automation/word/engine/OpenedDocument.h"

#include "automation/AutomationError.h"

namespace tw::engine {

void Fail(const std::string& description) {
  throw AutomationError("Word", description);
}

WordDocument& OpenedDocument::Model() {
  if (!open_) Fail("The object is not available: its document has been closed.");
  return model_;
}

const WordTextStatistics& OpenedDocument::MainStatistics() {
  if (!main_) main_ = WordTextStatistics::Of(Model().mainText, legacyByteRules_);
  return *main_;
}

const WordTextStatistics& OpenedDocument::NoteStatistics() {
  if (!notes_) {
    notes_ = WordTextStatistics::Of(Model().footnotes, legacyByteRules_);
    *notes_ += WordTextStatistics::Of(model_.endnotes, legacyByteRules_);
  }
  return *notes_;
}

}  // namespace tw::engine
