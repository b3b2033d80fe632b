#pragma once

// The UTF-8 window scan's steps that do not depend on the vector unit. Included by the
// translation unit of each width only; everything here has internal linkage, so each unit keeps
// the copy compiled for its own instruction set.
#include <cstddef>
#include <cstdint>

#include "counting/ScanPrefetch.h"
#include "counting/Utf8BlockScan.h"

namespace tw {
namespace {

// One window's facts, a bit per byte. A character's facts sit at its first byte.
struct WindowMasks {
  uint32_t ascii = 0, continuation = 0, lead = 0, lead3 = 0;
  uint32_t uniform = 0;  // leads whose table entry decides
  uint32_t counted = 0, opens = 0, ideographs = 0, spaces = 0;
};

// What a class adds to a window's masks, by its CharClass value (Blank, Space, WordForming,
// ExtraSymbol, Ignored, Ideograph): bit 0 counted, 1 opens a word, 2 ideograph, 3 space, 4 a
// character the window scan cannot take (an ignored one leaves the word state as it is).
constexpr uint8_t kClassEffects[2][6] = {{0, 8, 1 | 2, 1, 16, 1 | 4},
                                         {0, 8, 1 | 2, 1 | 2, 16, 1 | 4}};

// The characters of the leads the tables leave open, one by one, without branches: in mixed
// text the class changes every few characters. False when one cannot be taken.
bool ClassifyOneByOne(const uint8_t* p, uint32_t leads, uint32_t lead3,
                      const Utf8LeadTables& tables, bool extra, WindowMasks& m) {
  const uint8_t* effects = kClassEffects[extra ? 1 : 0];
  uint32_t refused = 0;
  for (; leads != 0; leads &= leads - 1) {
    const int i = __builtin_ctz(leads);
    const uint32_t three = (lead3 >> i) & 1;
    const char32_t two = (static_cast<char32_t>(p[i] & 0x1F) << 6) | (p[i + 1] & 0x3F);
    const char32_t cp = three != 0 ? (two << 6) | (p[i + 2] & 0x3F) : two;
    const uint32_t e = effects[static_cast<uint8_t>(tables.classes[cp])];
    m.counted |= (e & 1) << i;
    m.opens |= ((e >> 1) & 1) << i;
    m.ideographs |= ((e >> 2) & 1) << i;
    m.spaces |= ((e >> 3) & 1) << i;
    refused |= e >> 4;
  }
  return refused == 0;
}

// The window's bytes that end on a character boundary: all 32 unless the byte after the window
// continues a sequence, else up to the start of that sequence. Zero when the window is not made
// only of ASCII and well-formed sequences of the leads the scan takes.
uint32_t WholeCharacters(const WindowMasks& m, bool nextContinues) {
  uint64_t taken = 0xFFFFFFFFu;
  if (nextContinues) {
    const uint32_t starts = ~m.continuation;
    if (starts == 0) return 0;
    taken = (uint64_t{1} << (31 - __builtin_clz(starts))) - 1;
  }
  if (((m.ascii | m.continuation | m.lead) & taken) != taken) return 0;
  const uint64_t lead = m.lead & taken;
  const uint64_t lead3 = m.lead3 & taken;
  const uint64_t expected = (lead << 1) | (lead3 << 2);
  if ((expected & ~taken) != 0 || ((expected ^ m.continuation) & taken) != 0) return 0;
  return static_cast<uint32_t>(taken);
}

// Counts p[0, n) a window at a time while `classify` (the window's masks from its 32 bytes, all
// but those of the leads the tables leave open) and the checks accept it; how many bytes that was.
template <class Classify>
size_t ScanWindows(const uint8_t* p, size_t n, const Utf8LeadTables& tables, bool extra,
                   Utf8BlockState& state, Classify classify) {
  size_t done = 0;
  uint32_t inWord = state.inWord;
  while (n - done > 32) {
    const uint8_t* window = p + done;
    PrefetchAhead(window);
    WindowMasks m = classify(window);
    const uint32_t valid = WholeCharacters(m, (window[32] & 0xC0) == 0x80);
    if (valid == 0 ||
        !ClassifyOneByOne(window, m.lead & ~m.uniform & valid, m.lead3, tables, extra, m)) {
      break;
    }
    // Whether each byte belongs to a word: a continuation byte as its sequence's first.
    const uint32_t opens = m.opens & valid;
    const uint32_t second = m.continuation & ~(m.continuation << 1);
    const uint32_t third = m.continuation & (m.continuation << 1);
    const uint32_t inWordAt = opens | (second & (opens << 1)) | (third & (opens << 2));
    const uint32_t starts = ~m.continuation & inWordAt & ~((inWordAt << 1) | inWord) & valid;
    const int length = 32 - __builtin_clz(valid);
    const uint32_t inWordAfter = (inWordAt >> (length - 1)) & 1;
    // Words are counted where they close, as the scan does: those started here, less the one
    // still open at the end, plus the one open at the start; an ideograph is a word of its own.
    state.counts.words += __builtin_popcount(starts) + static_cast<int>(inWord) -
                          static_cast<int>(inWordAfter) + __builtin_popcount(m.ideographs & valid);
    state.counts.characters += __builtin_popcount(m.counted & valid);
    state.counts.spaces += __builtin_popcount(m.spaces & valid);
    state.sawMultiByte |= (m.lead & valid) != 0;
    inWord = inWordAfter;
    done += static_cast<size_t>(length);
  }
  state.inWord = inWord != 0;
  return done;
}

}  // namespace
}  // namespace tw
