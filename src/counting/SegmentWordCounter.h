#pragma once

#include <cstdint>
#include <string>

namespace tw {

// The words of the segments profile: Unicode word boundaries (ICU's word break rules, with its
// dictionaries for Chinese, Japanese and Thai), counting the tokens that hold a letter, a number,
// kana or an ideograph; tokens of punctuation or symbols alone are not words. Code points are
// fed one at a time and judged a line at a time, so memory stays small whatever the text's size.
class SegmentWordCounter {
 public:
  void Feed(char32_t codePoint);
  int64_t Finish();

 private:
  void CountLine();

  std::u16string line_;
  int64_t words_ = 0;
};

}  // namespace tw
