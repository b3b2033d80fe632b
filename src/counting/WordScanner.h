#pragma once

#include <cstdint>

#include "counting/CountTotals.h"
#include "text/CharacterClass.h"

namespace tw {

// The plain-text word scan: a word is a run of word-forming characters; blanks and spaces end
// it, extra symbols are counted but end it too (unless they are taken as word characters).
class WordScanner {
 public:
  explicit WordScanner(bool extraSymbolsAsWords, FileCounts soFar = {})
      : extraSymbolsAsWords_(extraSymbolsAsWords), counts_(soFar) {}

  void Feed(CharClass c) {
    switch (c) {
      case CharClass::Space:
        ++counts_.spaces;
        CloseWord();
        break;
      case CharClass::Blank:
        CloseWord();
        break;
      case CharClass::WordForming:
        ++counts_.characters;
        inWord_ = true;
        break;
      case CharClass::ExtraSymbol:
        ++counts_.characters;
        if (extraSymbolsAsWords_) {
          inWord_ = true;
        } else {
          CloseWord();
        }
        break;
      case CharClass::Ideograph:
        ++counts_.characters;
        CloseWord();
        ++counts_.words;
        break;
      case CharClass::Ignored:
        break;
    }
  }

  // Closes an open word and returns the counts so far.
  FileCounts Finish() {
    CloseWord();
    return counts_;
  }

 private:
  void CloseWord() {
    if (inWord_) ++counts_.words;
    inWord_ = false;
  }

  bool extraSymbolsAsWords_;
  bool inWord_ = false;
  FileCounts counts_;
};

}  // namespace tw
