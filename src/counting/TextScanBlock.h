#pragma once

#include <cstddef>
#include <cstdint>

#include "counting/CountTotals.h"
#include "counting/ScanPrefetch.h"

// The block scan of the byte table, written once over the intrinsics of a vector width (a
// struct I with V, kWidth, the byte operations and Following, which shifts a block down by one
// byte, the next block's first byte coming in at the top). Included by the translation unit of
// each width only, which is compiled for that instruction set.
namespace tw {

template <class I>
struct BlockScanner {
  using V = typename I::V;
  // Unsigned b > 0x20 as a signed comparison after flipping the top bit.
  static V AboveBlank(V bytes) {
    return I::Gt(I::Xor(bytes, I::Splat(0x80)), I::Splat(0x20 ^ 0x80));
  }
  static V AtMost(V x, uint8_t limit) { return I::Eq(I::Min(x, I::Splat(limit)), x); }
  static V WordForming(V bytes, bool extra) {
    if (extra) return AboveBlank(bytes);
    // A width with a byte shuffle looks the classes up by the two halves of each byte.
    if constexpr (requires { I::WordFormingByNibbles(bytes); }) {
      return I::WordFormingByNibbles(bytes);
    }
    const V digit = AtMost(I::Sub(bytes, I::Splat('0')), 9);
    const V letter = AtMost(I::Sub(I::Or(bytes, I::Splat(0x20)), I::Splat('a')), 25);
    const V dash = I::Eq(bytes, I::Splat('-'));
    const V high = I::Eq(I::Max(bytes, I::Splat(0xC0)), bytes);
    return I::Or(I::Or(digit, letter), I::Or(dash, high));
  }

  // 0xFF where a byte is a space or a tab.
  static V SpaceOrTab(V bytes) {
    if constexpr (requires { I::SpaceOrTabByLowHalf(bytes); }) {
      return I::SpaceOrTabByLowHalf(bytes);
    }
    return I::Or(I::Eq(bytes, I::Splat(0x20)), I::Eq(bytes, I::Splat(0x09)));
  }

  // Each lane counts up to 255 of its bytes' classes.
  struct Tally {
    V characters = I::Zero();
    V spaces = I::Zero();
    V wordEnds = I::Zero();

    // A block, with its word-forming bytes and the next block's.
    void Add(V bytes, V wordForming, V nextWordForming) {
      characters = I::Sub(characters, AboveBlank(bytes));
      spaces = I::Sub(spaces, SpaceOrTab(bytes));
      wordEnds =
          I::Sub(wordEnds, I::AndNot(I::Following(wordForming, nextWordForming), wordForming));
    }
    void AddTo(FileCounts& counts) const {
      counts.characters += I::LaneSum(characters);
      counts.spaces += I::LaneSum(spaces);
      counts.words += I::LaneSum(wordEnds);
    }
  };

  // Scans whole blocks of p[0, n), each while the next one is there too: a block's word ends
  // are found from its own classes and the next block's, so every byte is classed once. Returns
  // how many bytes were done.
  static size_t Scan(const uint8_t* p, size_t n, bool extra, FileCounts& counts) {
    return extra ? ScanWith<true>(p, n, counts) : ScanWith<false>(p, n, counts);
  }

  // Two blocks a turn, so that the block carried to the next turn needs no copying.
  template <bool kExtra>
  static size_t ScanWith(const uint8_t* p, size_t n, FileCounts& counts) {
    if (n < 2 * I::kWidth) return 0;
    size_t done = 0;
    V bytes = I::Load(p);
    V wordForming = WordForming(bytes, kExtra);
    while (n - done >= 2 * I::kWidth) {
      const size_t whole = (n - done) / I::kWidth - 1;
      const size_t blocks = whole < 254 ? whole : 254;
      Tally tally;
      for (size_t k = 0; k + 2 <= blocks; k += 2, done += 2 * I::kWidth) {
        PrefetchAhead(p + done);
        const V second = I::Load(p + done + I::kWidth);
        const V secondWordForming = WordForming(second, kExtra);
        tally.Add(bytes, wordForming, secondWordForming);
        bytes = I::Load(p + done + 2 * I::kWidth);
        wordForming = WordForming(bytes, kExtra);
        tally.Add(second, secondWordForming, wordForming);
      }
      if (blocks % 2 != 0) {
        const V next = I::Load(p + done + I::kWidth);
        const V nextWordForming = WordForming(next, kExtra);
        tally.Add(bytes, wordForming, nextWordForming);
        bytes = next;
        wordForming = nextWordForming;
        done += I::kWidth;
      }
      tally.AddTo(counts);
    }
    return done;
  }
};

}  // namespace tw
