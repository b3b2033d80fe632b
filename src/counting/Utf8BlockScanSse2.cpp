// The UTF-8 window scan on SSE2, which every x86-64 processor has: the window's two halves are
// classified sixteen bytes at a time and its leads looked up in the tables one by one.
#include <emmintrin.h>

#include "counting/Utf8WindowCount.h"

namespace tw {
namespace {

using V = __m128i;

V Splat(uint8_t b) {
  return _mm_set1_epi8(static_cast<char>(b));
}
// Unsigned first <= a <= last, byte by byte.
V InRange(V a, uint8_t first, uint8_t last) {
  const V offset = _mm_sub_epi8(a, Splat(first));
  return _mm_cmpeq_epi8(_mm_min_epu8(offset, Splat(static_cast<uint8_t>(last - first))), offset);
}

// The masks of the window's bytes, both halves, that `test` picks.
template <class Test>
uint32_t Mask(V low, V high, Test test) {
  return static_cast<uint32_t>(_mm_movemask_epi8(test(low))) |
         (static_cast<uint32_t>(_mm_movemask_epi8(test(high))) << 16);
}

WindowMasks Classify(const uint8_t* window, const Utf8LeadTables& tables, bool extra) {
  const V low = _mm_loadu_si128(reinterpret_cast<const V*>(window));
  const V high = _mm_loadu_si128(reinterpret_cast<const V*>(window + 16));
  WindowMasks m;
  m.ascii = ~Mask(low, high, [](V b) { return b; });
  // As the byte table has it: above 0x20 counted; digits, letters and "-" open a word (every
  // counted byte does when extra symbols are taken as word characters).
  m.counted = m.ascii & Mask(low, high, [](V b) { return _mm_cmpgt_epi8(b, Splat(0x20)); });
  m.opens = extra ? m.counted : m.ascii & Mask(low, high, [](V b) {
                                  const V letter = InRange(_mm_or_si128(b, Splat(0x20)), 'a', 'z');
                                  return _mm_or_si128(_mm_or_si128(InRange(b, '0', '9'), letter),
                                                      _mm_cmpeq_epi8(b, Splat('-')));
                                });
  m.spaces = Mask(low, high, [](V b) {
    return _mm_or_si128(_mm_cmpeq_epi8(b, Splat(0x20)), _mm_cmpeq_epi8(b, Splat(0x09)));
  });
  m.continuation = Mask(low, high, [](V b) { return InRange(b, 0x80, 0xBF); });
  m.lead3 = Mask(low, high, [](V b) {
    return _mm_andnot_si128(_mm_cmpeq_epi8(b, Splat(0xED)), InRange(b, 0xE1, 0xEF));
  });
  m.lead = m.lead3 | Mask(low, high, [](V b) { return InRange(b, 0xC2, 0xDF); });
  for (uint32_t leads = m.lead; leads != 0; leads &= leads - 1) {
    const int i = __builtin_ctz(leads);
    const uint8_t lead = window[i];
    const bool exception = lead >= 0xE0 && tables.exceptions[lead & 0x0F] == window[i + 1];
    const uint32_t entry = exception ? 0 : tables.leads[lead - 0xC0];
    const uint32_t uniform = entry >> 7;
    m.uniform |= uniform << i;
    m.counted |= uniform << i;
    m.opens |= ((entry >> 6) & 1) << i;
    m.ideographs |= ((entry >> 5) & 1) << i;
  }
  return m;
}

}  // namespace

size_t ScanUtf8BlocksSse2(const uint8_t* p, size_t n, const Utf8LeadTables& tables, bool extra,
                          Utf8BlockState& state) {
  return ScanWindows(p, n, tables, extra, state, [&tables, extra](const uint8_t* window) {
    return Classify(window, tables, extra);
  });
}

}  // namespace tw
