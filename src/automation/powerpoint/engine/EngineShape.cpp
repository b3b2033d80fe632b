#include "automation/powerpoint/engine/EngineShape.h"

#include "automation/powerpoint/engine/EngineGroupItems.h"
#include "automation/powerpoint/engine/EngineTable.h"
#include "automation/powerpoint/engine/EngineTextFrame.h"

namespace tw::powerpoint {

int32_t EngineShape::Type() {
  return shape_.type;
}

std::unique_ptr<powerpoint::GroupItems> EngineShape::GroupItems() {
  if (shape_.type != kShapeGroup) FailCall("this shape is not a group");
  return std::make_unique<EngineGroupItems>(model_, shape_);
}

int32_t EngineShape::HasTextFrame() {
  return shape_.hasTextFrame ? 1 : 0;
}

std::unique_ptr<powerpoint::TextFrame> EngineShape::TextFrame() {
  if (!shape_.hasTextFrame) FailCall("this shape has no text frame");
  return std::make_unique<EngineTextFrame>(model_, shape_);
}

int32_t EngineShape::HasTable() {
  return shape_.type == kShapeTable ? 1 : 0;
}

std::unique_ptr<powerpoint::Table> EngineShape::Table() {
  if (shape_.type != kShapeTable) FailCall("this shape has no table");
  return std::make_unique<EngineTable>(model_, shape_);
}

}  // namespace tw::powerpoint
