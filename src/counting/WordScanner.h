#pragma once

#include <array>
#include <cstdint>

#include "counting/CountTotals.h"
#include "text/CharacterClass.h"

namespace tw {

// The plain-text word scan: a word is a run of word-forming characters; blanks and spaces end
// it, extra symbols are counted but end it too (unless they are taken as word characters).
class WordScanner {
 public:
  explicit WordScanner(bool extraSymbolsAsWords, FileCounts soFar = {}) : counts_(soFar) {
    for (uint8_t c = 0; c < effects_.size(); ++c) {
      effects_[c] = Effects(static_cast<CharClass>(c), extraSymbolsAsWords);
    }
  }

  // Branch-free: in mixed text the class changes every few characters, which a switch would
  // mispredict.
  void Feed(CharClass c) {
    const uint8_t e = effects_[static_cast<uint8_t>(c)];
    const int64_t open = inWord_;
    counts_.characters += e & kCounted;
    counts_.spaces += (e & kSpace) >> 1;
    counts_.words += (open & ((e & kCloses) >> 2)) + ((e & kAddsWord) >> 3);
    inWord_ = static_cast<uint8_t>((open & ((e & kKeeps) >> 4)) | ((e & kOpens) >> 5));
  }

  // Where a block scan of the same rules stands: its counts so far and whether a word is open.
  bool InWord() const { return inWord_ != 0; }
  const FileCounts& Counts() const { return counts_; }
  void Resume(const FileCounts& counts, bool inWord) {
    counts_ = counts;
    inWord_ = inWord;
  }

  // Closes an open word and returns the counts so far.
  FileCounts Finish() {
    CloseWord();
    return counts_;
  }

 private:
  void CloseWord() {
    counts_.words += inWord_;
    inWord_ = 0;
  }

  // What a class does: counted as a character, as a space; closes an open word, is a word of
  // its own, leaves the word state as it is, opens (or continues) a word.
  static constexpr uint8_t kCounted = 1, kSpace = 2, kCloses = 4, kAddsWord = 8, kKeeps = 16,
                           kOpens = 32;
  static uint8_t Effects(CharClass c, bool extraSymbolsAsWords) {
    switch (c) {
      case CharClass::Space:
        return kSpace | kCloses;
      case CharClass::Blank:
        return kCloses;
      case CharClass::WordForming:
        return kCounted | kOpens;
      case CharClass::ExtraSymbol:
        return extraSymbolsAsWords ? kCounted | kOpens : kCounted | kCloses;
      case CharClass::Ideograph:
        return kCounted | kCloses | kAddsWord;
      case CharClass::Ignored:
        return kKeeps;
    }
    return 0;
  }

  std::array<uint8_t, 6> effects_{};
  uint8_t inWord_ = 0;
  FileCounts counts_;
};

}  // namespace tw
