#pragma once

#include <memory>
#include <optional>
#include <string>

#include "automation/word/WordDocumentModel.h"
#include "automation/word/WordTextStatistics.h"

namespace tw::engine {

// A call the engine fails, as Word reports it.
[[noreturn]] void Fail(const std::string& description);

// One document between Open and Close. The objects handed out share it, so they stay valid
// after the collection lets go; once closed they fail as Word's do.
class OpenedDocument {
 public:
  OpenedDocument(WordDocument model, bool legacyByteRules)
      : model_(std::move(model)), legacyByteRules_(legacyByteRules) {}

  // Throws once the document has been closed.
  WordDocument& Model();
  bool LegacyByteRules() const { return legacyByteRules_; }
  void Close() { open_ = false; }

  // The three statistics are asked for one after another; each text is scanned once.
  const WordTextStatistics& MainStatistics();
  const WordTextStatistics& NoteStatistics();

 private:
  WordDocument model_;
  bool legacyByteRules_;
  bool open_ = true;
  std::optional<WordTextStatistics> main_;
  std::optional<WordTextStatistics> notes_;
};

using DocumentPtr = std::shared_ptr<OpenedDocument>;

}  // namespace tw::engine
