#include "counting/ProfileScanner.h"

namespace tw {

ProfileScanner::ProfileScanner(CountProfile profile) {
  if (profile == CountProfile::Segments) segmentWords_.emplace();
}

FileCounts ProfileScanner::Finish() {
  FileCounts counts = characters_.Finish();
  if (segmentWords_) counts.words = segmentWords_->Finish();
  return counts;
}

FileCounts ProfileCounts(std::u16string_view text, CountProfile profile) {
  ProfileScanner scanner(profile);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    scanner.Feed(c);
  }
  return scanner.Finish();
}

}  // namespace tw
