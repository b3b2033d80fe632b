#include "automation/word/engine/EngineDocuments.h"

#include "automation/word/WordDocumentReader.h"
#include "automation/word/engine/EngineDocument.h"

namespace tw::engine {

std::unique_ptr<word::Document> EngineDocuments::Open(const word::OpenArguments& arguments) {
  state_->CheckRunning();
  auto document = std::make_shared<OpenedDocument>(ReadWordDocument(arguments.fileName),
                                                   state_->legacyByteRules);
  state_->documents.push_back(document);
  return std::make_unique<EngineDocument>(document);
}

std::unique_ptr<word::Document> EngineDocuments::Item(int32_t index) {
  state_->CheckRunning();
  if (index < 1 || static_cast<size_t>(index) > state_->documents.size()) {
    Fail("The requested member of the collection does not exist.");
  }
  return std::make_unique<EngineDocument>(state_->documents[static_cast<size_t>(index - 1)]);
}

// Nothing is ever written back, whatever the arguments ask.
void EngineDocuments::Close(int, int, int) {
  state_->CheckRunning();
  state_->CloseAll();
}

}  // namespace tw::engine
