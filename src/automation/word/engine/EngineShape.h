#pragma once

#include "automation/word/engine/OpenedDocument.h"
#include "automation/word/model/Shape.h"

namespace tw::engine {

// One entry of a document's shape collection, by its place in it.
class EngineShape : public word::Shape {
 public:
  EngineShape(DocumentPtr document, size_t index) : document_(std::move(document)), index_(index) {}
  int32_t Type() override;
  void Ungroup() override;
  std::unique_ptr<word::TextFrame> TextFrame() override;

 private:
  WordShapeModel& Model();

  DocumentPtr document_;
  size_t index_;
};

}  // namespace tw::engine
