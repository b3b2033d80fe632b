#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "counting/ByteSearch.h"
#include "counting/CountTotals.h"
#include "counting/HtmlWindowScan.h"
#include "counting/TextScanBytes.h"
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

  // The vector unit FeedBytes takes whole windows on (the widest there is unless told), or
  // Scalar to go a run at a time (to compare them).
  void UseWindows(ByteScanPath path) { windows_ = path; }

  // Whether the scan stands as a fresh one does: in text, outside an entity and a word.
  bool AtRest() const { return textMode_ && !entity_ && !inWord_ && !afterIdeograph_; }

  // Feeds bytes judged by the byte table. Nothing inside markup or an entity is judged, so those
  // are skipped to their end; text between them goes a run at a time.
  void FeedBytes(const uint8_t* p, const uint8_t* end, const CharClass* byteClasses) {
    // Bytes never make an ideograph, so windows of them count as the loop below does.
    if (windows_ != ByteScanPath::Scalar && !afterIdeograph_) {
      HtmlWindowState state{counts_, textMode_, entity_, inWord_};
      const size_t n = static_cast<size_t>(end - p);
      p += windows_ >= ByteScanPath::Avx2 ? ScanHtmlWindowsAvx2(p, n, state)
                                          : ScanHtmlWindowsSse2(p, n, state);
      counts_ = state.counts;
      textMode_ = state.textMode;
      entity_ = state.entity;
      inWord_ = state.inWord;
    }
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
  // by a blank. Sixteen bytes a step where the processor allows, the rest without branches.
  void FeedTextRun(const uint8_t* p, const uint8_t* end, const CharClass* byteClasses) {
    FeedText(*p, byteClasses[*p]);
    const size_t n = static_cast<size_t>(end - p);
    RunCounts run;
    size_t i = 1;
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16) run += RunCountsOf16(p + i);
#endif
    for (; i < n; ++i) {
      const uint8_t before = p[i - 1] > 0x20;
      const uint8_t here = p[i] > 0x20;
      run.characters += here;
      run.spaces += before & ((p[i] == 0x20) | (p[i] == 0x09));
      run.wordEnds += before & (here ^ 1);
    }
    counts_.characters += run.characters;
    counts_.spaces += run.spaces;
    counts_.words += run.wordEnds;
    if (n > 1) inWord_ = end[-1] > 0x20;
  }

  struct RunCounts {
    int64_t characters = 0, spaces = 0, wordEnds = 0;
    void operator+=(const RunCounts& other) {
      characters += other.characters;
      spaces += other.spaces;
      wordEnds += other.wordEnds;
    }
  };

#if defined(__SSE2__)
  // The run's counts for the sixteen bytes at `p`, each judged with the byte before it.
  static RunCounts RunCountsOf16(const uint8_t* p) {
    __m128i here, before;
    std::memcpy(&here, p, sizeof here);
    std::memcpy(&before, p - 1, sizeof before);
    // Bytes compare signed; flipping the top bit makes "above 0x20" an unsigned comparison.
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i blankTop = _mm_set1_epi8(static_cast<char>(0x20 ^ 0x80));
    const unsigned hereWord = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpgt_epi8(_mm_xor_si128(here, flip), blankTop)));
    const unsigned beforeWord = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpgt_epi8(_mm_xor_si128(before, flip), blankTop)));
    const unsigned spaceOrTab = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
        _mm_cmpeq_epi8(here, _mm_set1_epi8(0x20)), _mm_cmpeq_epi8(here, _mm_set1_epi8(0x09)))));
    return {__builtin_popcount(hereWord), __builtin_popcount(beforeWord & spaceOrTab),
            __builtin_popcount(beforeWord & ~hereWord & 0xFFFFu)};
  }
#endif

  void CloseWord() {
    if (inWord_) ++counts_.words;
    inWord_ = false;
  }

  bool textMode_ = true;
  bool entity_ = false;
  bool inWord_ = false;
  bool afterIdeograph_ = false;
  ByteScanPath windows_ = WidestByteScanPath();
  FileCounts counts_;
};

}  // namespace tw
