#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "counting/TextSegments.h"

namespace tw {

// Finds repeated segments over a run: handed each file's segments in the run's order, it tells
// how many of a file's words lie in segments seen before, earlier in that file or in a file
// handed over before it. Counting may happen in any order or on any thread; only the order of
// the calls decides what is a repetition.
class RepetitionFinder {
 public:
  int64_t RepeatedWords(const std::vector<SegmentWords>& segments);

 private:
  std::unordered_set<uint64_t> seen_;
};

}  // namespace tw
