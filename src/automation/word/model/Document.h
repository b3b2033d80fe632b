#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/word/model/Sections.h"
#include "automation/word/model/Shapes.h"

namespace tw::word {

// An open document.
class Document {
 public:
  virtual ~Document() = default;
  virtual int32_t ComputeStatistics(int statistic, int16_t includeFootnotesAndEndnotes) = 0;
  virtual std::unique_ptr<word::Sections> Sections() = 0;
  virtual std::unique_ptr<word::Shapes> Shapes() = 0;
};

}  // namespace tw::word
