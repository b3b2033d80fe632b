#pragma once

#include <cstdint>
#include <memory>

namespace tw::powerpoint {

class Shape;

// The items of a grouped shape, by 1-based index.
class GroupItems {
 public:
  virtual ~GroupItems() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<powerpoint::Shape> Item(int32_t index) = 0;
};

}  // namespace tw::powerpoint
