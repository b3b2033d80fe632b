#pragma once

#include <string>

namespace tw {

// "Calc": the first calculator found on PATH, started on its own; nothing happens when there is
// none or it cannot be started.
class Calculator {
 public:
  // Full path of the first calculator found, empty when none.
  static std::string Find();
  static bool Start();
};

}  // namespace tw
