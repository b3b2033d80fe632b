#include "counting/RepetitionFinder.h"

#include "counting/CountTotals.h"

namespace tw {

int64_t RepetitionFinder::RepeatedWords(const std::vector<SegmentWords>& segments) {
  int64_t repeated = 0;
  for (const SegmentWords& segment : segments) {
    if (!seen_.Insert(segment.hash)) repeated = SaturatingAdd(repeated, segment.words);
  }
  return repeated;
}

}  // namespace tw
