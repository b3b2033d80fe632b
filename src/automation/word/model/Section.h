#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/HeadersFooters.h"

namespace tw::word {

// One section of a document.
class Section {
 public:
  virtual ~Section() = default;
  virtual std::unique_ptr<word::HeadersFooters> Headers() = 0;
  virtual std::unique_ptr<word::HeadersFooters> Footers() = 0;
};

}  // namespace tw::word
