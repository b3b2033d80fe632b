#include <immintrin.h>

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
  // A byte forms words where the classes of its high and low half share a bit: digits (high 3,
  // low 0-9), letters (high 4 and 6, low 1-F; high 5 and 7, low 0-A), the hyphen (high 2, low D)
  // and bytes from 0xC0 (high C-F, any low half).
  static V WordFormingByNibbles(V bytes) {
    const V highClasses = _mm256_setr_epi8(0, 0, 0x08, 0x01, 0x02, 0x04, 0x02, 0x04, 0, 0, 0, 0,
                                           0x10, 0x10, 0x10, 0x10, 0, 0, 0x08, 0x01, 0x02, 0x04,
                                           0x02, 0x04, 0, 0, 0, 0, 0x10, 0x10, 0x10, 0x10);
    const V lowClasses =
        _mm256_setr_epi8(0x15, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x16, 0x12,
                         0x12, 0x1A, 0x12, 0x12, 0x15, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17,
                         0x17, 0x17, 0x16, 0x12, 0x12, 0x1A, 0x12, 0x12);
    const V nibble = Splat(0x0F);
    const V high = _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble);
    const V low = _mm256_and_si256(bytes, nibble);
    const V shared = _mm256_and_si256(_mm256_shuffle_epi8(highClasses, high),
                                      _mm256_shuffle_epi8(lowClasses, low));
    return _mm256_cmpgt_epi8(shared, Zero());
  }
  // A space or tab is the byte its low half looks up: 0x20 under 0, 0x09 under 9, and under
  // every other half 0x80, whose own low half is 0 (and a byte from 0x80 looks up 0).
  static V SpaceOrTabByLowHalf(V bytes) {
    const V blanks =
        _mm256_setr_epi8(0x20, -128, -128, -128, -128, -128, -128, -128, -128, 0x09, -128, -128,
                         -128, -128, -128, -128, 0x20, -128, -128, -128, -128, -128, -128, -128,
                         -128, 0x09, -128, -128, -128, -128, -128, -128);
    return _mm256_cmpeq_epi8(_mm256_shuffle_epi8(blanks, bytes), bytes);
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
