#pragma once

#include "automation/word/engine/EngineState.h"
#include "automation/word/model/Documents.h"

namespace tw::engine {

// The open documents; opening only ever reads the file.
class EngineDocuments : public word::Documents {
 public:
  explicit EngineDocuments(StatePtr state) : state_(std::move(state)) {}
  std::unique_ptr<word::Document> Open(const word::OpenArguments& arguments) override;
  std::unique_ptr<word::Document> Item(int32_t index) override;
  void Close(int saveChanges, int originalFormat, int routeDocument) override;

 private:
  StatePtr state_;
};

}  // namespace tw::engine
