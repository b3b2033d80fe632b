#pragma once

#include <cstdint>
#include <vector>

#include "counting/SeenHashes.h"
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
  SeenHashes seen_;
};

}  // namespace tw
