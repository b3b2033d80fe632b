#include <immintrin.h>

#include "counting/ByteHalfTables.h"
#include "counting/TextScanBlock.h"
#include "counting/TextScanBytes.h"

// Compiled with -mavx2 and called only where the processor has it; nothing here may be an
// inline function shared with other translation units.
namespace tw {
namespace {

struct Avx2 {
  using V = __m256i;
  static constexpr size_t kWidth = 32;
  static V Load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
  static V Splat(uint8_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }
  static V Zero() { return _mm256_setzero_si256(); }
  static V Eq(V a, V b) { return _mm256_cmpeq_epi8(a, b); }
  static V Gt(V a, V b) { return _mm256_cmpgt_epi8(a, b); }
  static V Min(V a, V b) { return _mm256_min_epu8(a, b); }
  static V Max(V a, V b) { return _mm256_max_epu8(a, b); }
  static V Or(V a, V b) { return _mm256_or_si256(a, b); }
  static V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
  static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
  static V Sub(V a, V b) { return _mm256_sub_epi8(a, b); }
  // The upper half of `block` and the lower half of `next`, shifted in below `block`'s lanes.
  static V Following(V block, V next) {
    return _mm256_alignr_epi8(_mm256_permute2x128_si256(block, next, 0x21), block, 1);
  }
  // A table of sixteen bytes in both lanes.
  static V InBothLanes(const int8_t (&table)[16]) {
    return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table)));
  }
  static V WordFormingByNibbles(V bytes) {
    const V nibble = Splat(0x0F);
    const V high = _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble);
    const V low = _mm256_and_si256(bytes, nibble);
    const V shared =
        _mm256_and_si256(_mm256_shuffle_epi8(InBothLanes(kWordFormingByHighHalf), high),
                         _mm256_shuffle_epi8(InBothLanes(kWordFormingByLowHalf), low));
    return _mm256_cmpgt_epi8(shared, Zero());
  }
  static V SpaceOrTabByLowHalf(V bytes) {
    return _mm256_cmpeq_epi8(_mm256_shuffle_epi8(InBothLanes(kBlankByLowHalf), bytes), bytes);
  }
  static int64_t LaneSum(V lanes) {
    const V sums = _mm256_sad_epu8(lanes, Zero());
    return _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
           _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
  }
};

}  // namespace

size_t ScanBytesAvx2(const uint8_t* p, size_t n, bool extra, FileCounts& counts) {
  return BlockScanner<Avx2>::Scan(p, n, extra, counts);
}

}  // namespace tw
