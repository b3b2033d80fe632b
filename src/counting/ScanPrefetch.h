#pragma once

#include <xmmintrin.h>

#include <cstddef>
#include <cstdint>

namespace tw {

// Asks for the bytes a page ahead of a vector scan. A large text is scanned straight from its
// mapping, out of memory rather than cache, and the processor's own prefetching stops at the end
// of every page, which would leave the scan waiting for memory at each one.
inline void PrefetchAhead(const uint8_t* scanned) {
  constexpr size_t kAheadBytes = 4096;
  _mm_prefetch(reinterpret_cast<const char*>(scanned + kAheadBytes), _MM_HINT_T0);
}

}  // namespace tw
