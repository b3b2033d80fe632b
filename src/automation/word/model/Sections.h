#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Section.h"

namespace tw::word {

// The sections of a document, by 1-based index.
class Sections {
 public:
  virtual ~Sections() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<word::Section> Item(int32_t index) = 0;  // 1-based
};

}  // namespace tw::word
