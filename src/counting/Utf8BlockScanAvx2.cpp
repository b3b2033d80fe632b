// Compiled with -mavx2 and called only where the processor has it; nothing here may be an
// inline function shared with other translation units.
#include <immintrin.h>

#include "counting/Utf8WindowCount.h"

namespace tw {
namespace {

using V = __m256i;

V Splat(uint8_t b) {
  return _mm256_set1_epi8(static_cast<char>(b));
}
uint32_t Mask(V v) {
  return static_cast<uint32_t>(_mm256_movemask_epi8(v));
}
// Unsigned first <= a <= last, byte by byte.
V InRange(V a, uint8_t first, uint8_t last) {
  const V offset = _mm256_sub_epi8(a, Splat(first));
  return _mm256_cmpeq_epi8(_mm256_min_epu8(offset, Splat(static_cast<uint8_t>(last - first))),
                           offset);
}
V Broadcast16(const uint8_t* table) {
  return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table)));
}

void ClassifyAscii(V bytes, bool extra, WindowMasks& m) {
  m.ascii = ~Mask(bytes);
  // As the byte table has it: above 0x20 counted; digits, letters and "-" open a word (every
  // counted byte does when extra symbols are taken as word characters).
  m.counted = m.ascii & Mask(_mm256_cmpgt_epi8(bytes, Splat(0x20)));  // signed: ASCII only
  const V digit = InRange(bytes, '0', '9');
  const V letter = InRange(_mm256_or_si256(bytes, Splat(0x20)), 'a', 'z');
  const V dash = _mm256_cmpeq_epi8(bytes, Splat('-'));
  m.opens =
      extra ? m.counted : m.ascii & Mask(_mm256_or_si256(_mm256_or_si256(digit, letter), dash));
  m.spaces = Mask(_mm256_or_si256(_mm256_cmpeq_epi8(bytes, Splat(0x20)),
                                  _mm256_cmpeq_epi8(bytes, Splat(0x09))));
}

// `following` is the window one byte on: each byte's follower.
void ClassifyLeads(V bytes, V following, const Utf8LeadTables& tables, WindowMasks& m) {
  m.continuation = Mask(InRange(bytes, 0x80, 0xBF));
  // Leads of the sequences the scalar decoder would take without a closer look at the second
  // byte; 0xE0 and 0xED restrict it, four-byte sequences are left to the decoder.
  const V lead2 = InRange(bytes, 0xC2, 0xDF);
  const V lead3 =
      _mm256_andnot_si256(_mm256_cmpeq_epi8(bytes, Splat(0xED)), InRange(bytes, 0xE1, 0xEF));
  m.lead3 = Mask(lead3);
  m.lead = Mask(lead2) | m.lead3;
  // The lead's entry from the table of its high nibble (0xC, 0xD or 0xE).
  const V low = _mm256_and_si256(bytes, Splat(0x0F));
  const V entry = _mm256_or_si256(
      _mm256_or_si256(_mm256_and_si256(InRange(bytes, 0xC0, 0xCF),
                                       _mm256_shuffle_epi8(Broadcast16(&tables.leads[0]), low)),
                      _mm256_and_si256(InRange(bytes, 0xD0, 0xDF),
                                       _mm256_shuffle_epi8(Broadcast16(&tables.leads[16]), low))),
      _mm256_and_si256(InRange(bytes, 0xE0, 0xEF),
                       _mm256_shuffle_epi8(Broadcast16(&tables.leads[32]), low)));
  // A three-byte lead whose second byte is its table's exception is looked up after all.
  const V exception =
      _mm256_cmpeq_epi8(following, _mm256_shuffle_epi8(Broadcast16(tables.exceptions.data()), low));
  m.uniform = m.lead & Mask(entry) & ~(m.lead3 & Mask(exception));
  m.counted |= m.uniform;
  m.opens |= m.uniform & Mask(_mm256_slli_epi16(entry, 1));
  m.ideographs = m.uniform & Mask(_mm256_slli_epi16(entry, 2));
}

}  // namespace

size_t ScanUtf8BlocksAvx2(const uint8_t* p, size_t n, const Utf8LeadTables& tables, bool extra,
                          Utf8BlockState& state) {
  return ScanWindows(p, n, tables, extra, state, [&tables, extra](const uint8_t* window) {
    const V bytes = _mm256_loadu_si256(reinterpret_cast<const V*>(window));
    WindowMasks m;
    ClassifyAscii(bytes, extra, m);
    ClassifyLeads(bytes, _mm256_loadu_si256(reinterpret_cast<const V*>(window + 1)), tables, m);
    return m;
  });
}

}  // namespace tw
