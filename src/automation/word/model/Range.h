#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tw::word {

// A stretch of a document's text (a header, a footer, a text frame's text).
class Range {
 public:
  virtual ~Range() = default;
  virtual int32_t ComputeStatistics(int statistic) = 0;
};

}  // namespace tw::word
