#pragma once

#include <optional>
#include <string_view>

#include "counting/CountProfile.h"
#include "counting/CountTotals.h"
#include "counting/SegmentWordCounter.h"
#include "counting/WordProcessorScanner.h"

namespace tw {

// The counts of a profile other than classic, fed one code point at a time. The segments
// profile takes its characters and spaces from the word profile and its words from Unicode word
// boundaries.
class ProfileScanner {
 public:
  explicit ProfileScanner(CountProfile profile);

  void Feed(char32_t codePoint) {
    characters_.Feed(codePoint);
    if (segmentWords_) segmentWords_->Feed(codePoint);
  }
  FileCounts Finish();

 private:
  WordProcessorScanner characters_;
  std::optional<SegmentWordCounter> segmentWords_;
};

// The counts of one text of a document under a profile other than classic. A word never runs
// from one text into another.
FileCounts ProfileCounts(std::u16string_view text, CountProfile profile);

}  // namespace tw
