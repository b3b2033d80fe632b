#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Range.h"

namespace tw::word {

// One header or footer of a section.
class HeaderFooter {
 public:
  virtual ~HeaderFooter() = default;
  virtual std::unique_ptr<word::Range> Range() = 0;
};

}  // namespace tw::word
