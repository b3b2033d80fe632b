#pragma once

#include <utility>
#include <vector>

#include "automation/pdf/HiliteList.h"

namespace tw {

// The highlight list of the poppler-backed server. It keeps the ranges it is given, but a word
// selection made from it covers every word of the page: every word must be counted, and ranges
// of short lengths could not reach them all on a dense page.
class PopplerHiliteList : public HiliteList {
 public:
  void Add(short offset, short length) override { ranges_.emplace_back(offset, length); }
  const std::vector<std::pair<short, short>>& Ranges() const { return ranges_; }

 private:
  std::vector<std::pair<short, short>> ranges_;
};

}  // namespace tw
