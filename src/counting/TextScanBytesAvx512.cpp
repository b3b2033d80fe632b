#include <immintrin.h>

#include "counting/ByteHalfTables.h"
#include "counting/ScanPrefetch.h"
#include "counting/TextScanBytes.h"

// Compiled with AVX-512BW and called only where the processor has it; nothing here may be an
// inline function shared with other translation units. The classes come out as bit masks, one
// bit a byte, which are counted directly.
namespace tw {
namespace {

constexpr size_t kWidth = 64;

// A table of 16 bytes in every 128-bit lane, as the byte shuffle looks up within its lane.
__m512i InEveryLane(const int8_t (&table)[16]) {
  alignas(64) int8_t lanes[kWidth];
  for (size_t i = 0; i < kWidth; ++i) lanes[i] = table[i % 16];
  return _mm512_load_si512(lanes);
}

struct ByteTables {
  __m512i highClasses = InEveryLane(kWordFormingByHighHalf);
  __m512i lowClasses = InEveryLane(kWordFormingByLowHalf);
  __m512i blanks = InEveryLane(kBlankByLowHalf);
  __m512i nibble = _mm512_set1_epi8(0x0F);
  __m512i blank = _mm512_set1_epi8(0x20);
};

uint64_t WordForming(__m512i bytes, bool extra, const ByteTables& tables) {
  if (extra) return _mm512_cmpgt_epu8_mask(bytes, tables.blank);
  const __m512i high = _mm512_and_si512(_mm512_srli_epi16(bytes, 4), tables.nibble);
  const __m512i low = _mm512_and_si512(bytes, tables.nibble);
  return _mm512_test_epi8_mask(_mm512_shuffle_epi8(tables.highClasses, high),
                               _mm512_shuffle_epi8(tables.lowClasses, low));
}

}  // namespace

// Each block while the next one is there too: a word ends at a word-forming byte whose follower
// (the next block's first byte, for the last) is not one.
size_t ScanBytesAvx512(const uint8_t* p, size_t n, bool extra, FileCounts& counts) {
  if (n < 2 * kWidth) return 0;
  const ByteTables tables;
  size_t done = 0;
  __m512i bytes = _mm512_loadu_si512(p);
  uint64_t wordForming = WordForming(bytes, extra, tables);
  uint64_t characters = 0;
  uint64_t spaces = 0;
  uint64_t wordEnds = 0;
  for (; n - done >= 2 * kWidth; done += kWidth) {
    PrefetchAhead(p + done);
    const __m512i next = _mm512_loadu_si512(p + done + kWidth);
    const uint64_t nextWordForming = WordForming(next, extra, tables);
    characters += _mm_popcnt_u64(_mm512_cmpgt_epu8_mask(bytes, tables.blank));
    spaces +=
        _mm_popcnt_u64(_mm512_cmpeq_epi8_mask(_mm512_shuffle_epi8(tables.blanks, bytes), bytes));
    const uint64_t following = (wordForming >> 1) | (nextWordForming << 63);
    wordEnds += _mm_popcnt_u64(wordForming & ~following);
    bytes = next;
    wordForming = nextWordForming;
  }
  counts.characters += static_cast<int64_t>(characters);
  counts.spaces += static_cast<int64_t>(spaces);
  counts.words += static_cast<int64_t>(wordEnds);
  return done;
}

}  // namespace tw
