#pragma once

#include <memory>
#include <vector>

#include "automation/word/engine/OpenedDocument.h"

namespace tw::engine {

// What one engine instance keeps between calls: its setting, whether it has quit, and the open
// documents in the order they were opened.
class EngineState {
 public:
  bool legacyByteRules = false;
  std::vector<DocumentPtr> documents;

  void CheckRunning() const {
    if (quit_) Fail("The application has quit.");
  }
  void CloseAll() {
    for (const DocumentPtr& document : documents) document->Close();
    documents.clear();
  }
  void Quit() {
    CloseAll();
    quit_ = true;
  }

 private:
  bool quit_ = false;
};

using StatePtr = std::shared_ptr<EngineState>;

}  // namespace tw::engine
