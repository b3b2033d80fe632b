#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace tw {

// One segment of a document as repetition finding needs it: its normalised text's hash and the
// words it holds.
struct SegmentWords {
  uint64_t hash = 0;
  int64_t words = 0;
  bool operator==(const SegmentWords&) const = default;
};

// How many words a stretch of text holds, by the rules of the file's counter.
using WordsOfText = std::function<int64_t(std::u16string_view)>;

// Splits one text into segments and appends them: paragraphs (ended by CR, LF, U+2029) are split
// into sentences by ICU's sentence rules. A segment's text is normalised before hashing: white
// space runs become one space and the ends are trimmed; case is kept. Segments without anything
// but white space are left out.
void AppendTextSegments(std::u16string_view text, const WordsOfText& wordsOf,
                        std::vector<SegmentWords>& segments);

}  // namespace tw
