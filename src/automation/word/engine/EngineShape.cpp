#include "automation/word/engine/EngineShape.h"

#include <vector>

#include "automation/word/engine/EngineTextFrame.h"

namespace tw::engine {

int32_t EngineShape::Type() {
  return static_cast<int32_t>(Model().type);
}

// The members of a group become shapes of their own at the end of the collection; the group
// keeps its place, empty, so the indices of the shapes after it do not move. An embedded object
// has nothing to take apart and stays as it is.
void EngineShape::Ungroup() {
  WordShapeModel& shape = Model();
  if (shape.type == WordShapeType::EmbeddedOleObject) return;
  if (shape.type != WordShapeType::Group || shape.members.empty()) {
    Fail("This shape is not a group and cannot be ungrouped.");
  }
  std::vector<WordShapeModel> members = std::move(shape.members);
  shape.members.clear();
  std::vector<WordShapeModel>& shapes = document_->Model().shapes;
  for (WordShapeModel& member : members) shapes.push_back(std::move(member));
}

// Null for a shape without a text frame (a group, a picture, an embedded object).
std::unique_ptr<word::TextFrame> EngineShape::TextFrame() {
  const WordShapeModel& shape = Model();
  if (!shape.frameText) return nullptr;
  return std::make_unique<EngineTextFrame>(document_, *shape.frameText);
}

WordShapeModel& EngineShape::Model() {
  return document_->Model().shapes.at(index_);
}

}  // namespace tw::engine
