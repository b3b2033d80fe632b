#pragma once

#include <cstdint>
#include <memory>

#include "automation/powerpoint/model/GroupItems.h"
#include "automation/powerpoint/model/Table.h"
#include "automation/powerpoint/model/TextFrame.h"

namespace tw::powerpoint {

// A shape of a slide or master, or an item of a group, or a table cell's shape.
class Shape {
 public:
  virtual ~Shape() = default;
  virtual int32_t Type() = 0;
  virtual std::unique_ptr<powerpoint::GroupItems> GroupItems() = 0;
  virtual int32_t HasTextFrame() = 0;
  virtual std::unique_ptr<powerpoint::TextFrame> TextFrame() = 0;
  virtual int32_t HasTable() = 0;
  virtual std::unique_ptr<powerpoint::Table> Table() = 0;
};

}  // namespace tw::powerpoint
