#pragma once

#include "counting/CountTotals.h"
#include "text/CharacterClass.h"

namespace tw {

// The HTML scan: everything from "<" to ">" and every entity from "&" to ";" is left out, the
// rest is text in which every counted character belongs to a word, and only a space or tab that
// directly follows a word character is counted.
class HtmlScanner {
 public:
  // `judged` is the class of the character; only characters outside markup are judged.
  void Feed(char32_t c, CharClass judged) {
    if (c == '<') {
      textMode_ = false;
      CloseWord();
      afterIdeograph_ = false;
    }
    if (textMode_) FeedText(c, judged);
    if (c == '>') textMode_ = true;
  }

  FileCounts Finish() {
    CloseWord();
    return counts_;
  }

 private:
  void FeedText(char32_t c, CharClass judged) {
    if (c == '&') {
      entity_ = true;
    } else if (c == ';' && entity_) {
      entity_ = false;
      return;
    }
    if (entity_) return;
    switch (judged) {
      case CharClass::WordForming:
      case CharClass::ExtraSymbol:
        ++counts_.characters;
        inWord_ = true;
        afterIdeograph_ = false;
        break;
      case CharClass::Space:
        if (inWord_ || afterIdeograph_) ++counts_.spaces;
        CloseWord();
        afterIdeograph_ = false;
        break;
      case CharClass::Blank:
        CloseWord();
        afterIdeograph_ = false;
        break;
      case CharClass::Ideograph:
        ++counts_.characters;
        CloseWord();
        ++counts_.words;
        afterIdeograph_ = true;
        break;
      case CharClass::Ignored:
        break;
    }
  }

  void CloseWord() {
    if (inWord_) ++counts_.words;
    inWord_ = false;
  }

  bool textMode_ = true;
  bool entity_ = false;
  bool inWord_ = false;
  bool afterIdeograph_ = false;
  FileCounts counts_;
};

}  // namespace tw
