// The HTML window scan on SSE2, which every x86-64 processor has: a window's 64 bytes are
// classified sixteen at a time.
#include <emmintrin.h>

#include "counting/HtmlWindowCount.h"

namespace tw {
namespace {

using V = __m128i;

// The bits of the window's bytes that `test` picks, a quarter at a time.
template <class Test>
uint64_t Mask64(const V (&quarters)[4], Test test) {
  uint64_t mask = 0;
  for (int q = 0; q < 4; ++q) {
    mask |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(test(quarters[q])))} << (16 * q);
  }
  return mask;
}

WindowBytes Classify(const uint8_t* p) {
  const V quarters[4] = {_mm_loadu_si128(reinterpret_cast<const V*>(p)),
                         _mm_loadu_si128(reinterpret_cast<const V*>(p + 16)),
                         _mm_loadu_si128(reinterpret_cast<const V*>(p + 32)),
                         _mm_loadu_si128(reinterpret_cast<const V*>(p + 48))};
  const auto equal = [&quarters](uint8_t b) {
    const V want = _mm_set1_epi8(static_cast<char>(b));
    return Mask64(quarters, [want](V bytes) { return _mm_cmpeq_epi8(bytes, want); });
  };
  const V blank = _mm_set1_epi8(0x20);
  // Unsigned b <= 0x20: every byte above it, 0x80-0xFF included, is a counted word character.
  const uint64_t atMostBlank = Mask64(
      quarters, [blank](V bytes) { return _mm_cmpeq_epi8(_mm_min_epu8(bytes, blank), bytes); });
  return {equal('<'), equal('>'), equal('&'), equal(';'), ~atMostBlank, equal(' ') | equal('\t')};
}

}  // namespace

size_t ScanHtmlWindowsSse2(const uint8_t* p, size_t n, HtmlWindowState& state) {
  return ScanWindows(p, n, state, Classify);
}

}  // namespace tw
