#pragma once

#include "counting/CountTotals.h"

namespace tw {

// The word profile: the counts common word processors show, fed one code point at a time.
//  - words: runs of characters between white space and breaks, so "3.14", "a/b", "don't" and
//    "www.example.com" are one word each and a lone "-" is a word too; each Han ideograph and
//    kana is a word of its own (punctuation right after one belongs to it); Korean and other
//    scripts are split by their spaces as written;
//  - characters: every code point that is not white space, a break or an invisible format
//    character (soft hyphen, zero-width space, byte-order mark);
//  - spaces: white space (space, tab, no-break and the other Unicode spaces). Paragraph and line
//    breaks and other control codes are neither, so "characters with spaces" is every code point
//    but the breaks, as word processors report it.
class WordProcessorScanner {
 public:
  void Feed(char32_t codePoint);
  FileCounts Finish() const { return counts_; }

 private:
  enum class State { Between, InWord, AfterIdeograph };

  FileCounts counts_;
  State state_ = State::Between;
};

}  // namespace tw
