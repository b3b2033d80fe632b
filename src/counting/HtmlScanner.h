#pragma once

#include <cstddef>
#include <cstdint>

#include "counting/ByteSearch.h"
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

  // Feeds bytes judged by the byte table. Nothing inside markup or an entity is judged, so those
  // are skipped to their end; text between them goes a run at a time.
  void FeedBytes(const uint8_t* p, const uint8_t* end, const CharClass* byteClasses) {
    while (p < end) {
      if (!textMode_) {
        p = FindEither(p, end, '>', '>');
        if (p == end) return;
        textMode_ = true;
        ++p;
        continue;
      }
      const uint8_t* stop = entity_ ? FindEither(p, end, ';', '<') : FindEither(p, end, '<', '&');
      if (!entity_ && stop > p) FeedTextRun(p, stop, byteClasses);
      if (stop == end) return;
      Feed(*stop, byteClasses[*stop]);
      p = stop + 1;
    }
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

  // Text without markup or entities, byte by byte: a byte above 0x20 is a counted word
  // character, a space or tab after one counts, and a word ends where such a byte is followed
  // by a blank. Written without branches so that the loop is vectorised.
  void FeedTextRun(const uint8_t* p, const uint8_t* end, const CharClass* byteClasses) {
    FeedText(*p, byteClasses[*p]);
    const size_t n = static_cast<size_t>(end - p);
    int64_t characters = 0, spaces = 0, wordEnds = 0;
    for (size_t i = 1; i < n; ++i) {
      const uint8_t before = p[i - 1] > 0x20;
      const uint8_t here = p[i] > 0x20;
      characters += here;
      spaces += before & ((p[i] == 0x20) | (p[i] == 0x09));
      wordEnds += before & (here ^ 1);
    }
    counts_.characters += characters;
    counts_.spaces += spaces;
    counts_.words += wordEnds;
    if (n > 1) inWord_ = end[-1] > 0x20;
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
