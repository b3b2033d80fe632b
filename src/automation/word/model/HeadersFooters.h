#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/HeaderFooter.h"

namespace tw::word {

// A section's headers or its footers.
class HeadersFooters {
 public:
  virtual ~HeadersFooters() = default;
  virtual std::unique_ptr<word::HeaderFooter> Item(
      int index) = 0;  // 1 primary, 2 first page, 3 even
};

}  // namespace tw::word
