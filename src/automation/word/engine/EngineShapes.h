#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Shapes.h"

namespace tw::engine {

// The floating shapes anchored in a document's main text.
class EngineShapes : public word::Shapes {
 public:
  explicit EngineShapes(DocumentPtr document) : document_(std::move(document)) {}
  int32_t Count() override;
  std::unique_ptr<word::Shape> Item(int32_t index) override;

 private:
  DocumentPtr document_;
};

}  // namespace tw::engine
