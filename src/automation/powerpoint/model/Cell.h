#pragma once

#include <cstdint>
#include <memory>

namespace tw::powerpoint {

class Shape;

// One cell of a table; its shape holds the cell's text frame.
class Cell {
 public:
  virtual ~Cell() = default;
  virtual std::unique_ptr<powerpoint::Shape> Shape() = 0;
};

}  // namespace tw::powerpoint
