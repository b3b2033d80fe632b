// Compiled with -mavx2 and called only where the processor has it; nothing here may be an
// inline function shared with other translation units.
#include <immintrin.h>

#include "counting/HtmlWindowCount.h"

namespace tw {
namespace {

using V = __m256i;

uint64_t Mask64(V low, V high) {
  return static_cast<uint32_t>(_mm256_movemask_epi8(low)) |
         (uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(high))} << 32);
}

WindowBytes Classify(const uint8_t* p) {
  const V low = _mm256_loadu_si256(reinterpret_cast<const V*>(p));
  const V high = _mm256_loadu_si256(reinterpret_cast<const V*>(p + 32));
  const auto equal = [&](uint8_t b) {
    const V want = _mm256_set1_epi8(static_cast<char>(b));
    return Mask64(_mm256_cmpeq_epi8(low, want), _mm256_cmpeq_epi8(high, want));
  };
  const V blank = _mm256_set1_epi8(0x20);
  // Unsigned b <= 0x20: every byte above it, 0x80-0xFF included, is a counted word character.
  const uint64_t atMostBlank = Mask64(_mm256_cmpeq_epi8(_mm256_min_epu8(low, blank), low),
                                      _mm256_cmpeq_epi8(_mm256_min_epu8(high, blank), high));
  return {equal('<'), equal('>'), equal('&'), equal(';'), ~atMostBlank, equal(' ') | equal('\t')};
}

}  // namespace

size_t ScanHtmlWindowsAvx2(const uint8_t* p, size_t n, HtmlWindowState& state) {
  return ScanWindows(p, n, state, Classify);
}

}  // namespace tw
