#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tw {

// The first byte from `p` on that is `a` or `b`, or `end`: sixteen bytes a step where the
// processor allows, as markup scans spend most of their time looking for the next delimiter.
inline const uint8_t* FindEither(const uint8_t* p, const uint8_t* end, uint8_t a, uint8_t b) {
#if defined(__SSE2__)
  const __m128i wantA = _mm_set1_epi8(static_cast<char>(a));
  const __m128i wantB = _mm_set1_epi8(static_cast<char>(b));
  for (; end - p >= 16; p += 16) {
    __m128i block;
    std::memcpy(&block, p, sizeof block);
    const int hits =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, wantA), _mm_cmpeq_epi8(block, wantB)));
    if (hits != 0) return p + __builtin_ctz(static_cast<unsigned>(hits));
  }
#endif
  while (p < end && *p != a && *p != b) ++p;
  return p;
}

}  // namespace tw
