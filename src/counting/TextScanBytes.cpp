#include "counting/TextScanBytes.h"

#include <immintrin.h>

#include <algorithm>

#include "counting/TextScan.h"
#include "counting/TextScanBlock.h"

namespace tw {
namespace {

inline uint32_t IsWordFormingByte(uint8_t b, bool extraSymbolsAsWords) {
  if (extraSymbolsAsWords) return b > 0x20;
  const uint8_t lower = b | 0x20;  // folds A-Z onto a-z
  return (static_cast<uint8_t>(b - '0') < 10) | (static_cast<uint8_t>(lower - 'a') < 26) |
         (b == '-') | (b >= 0xC0);
}

// Counts p[0, n); `next` is the byte after them (a blank at the end of the text). A word ends
// wherever a word-forming byte is followed by one that is not.
FileCounts ScanByteRange(const uint8_t* p, size_t n, uint8_t next, bool extra) {
  FileCounts counts;
  for (size_t i = 0; i < n; ++i) {
    const uint8_t b = p[i];
    const uint8_t following = i + 1 < n ? p[i + 1] : next;
    counts.characters += b > 0x20;
    counts.spaces += (b == 0x20) | (b == 0x09);
    counts.words += IsWordFormingByte(b, extra) & (IsWordFormingByte(following, extra) ^ 1u);
  }
  return counts;
}

// A block at a time: each class is a byte mask (0xFF where it holds), the masks are summed in
// byte lanes and folded into 64-bit sums before a lane can overflow. The same steps serve both
// widths; only the intrinsics differ.
struct Sse2 {
  using V = __m128i;
  static constexpr size_t kWidth = 16;
  static V Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
  static V Splat(uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
  static V Zero() { return _mm_setzero_si128(); }
  static V Eq(V a, V b) { return _mm_cmpeq_epi8(a, b); }
  static V Gt(V a, V b) { return _mm_cmpgt_epi8(a, b); }
  static V Min(V a, V b) { return _mm_min_epu8(a, b); }
  static V Max(V a, V b) { return _mm_max_epu8(a, b); }
  static V Or(V a, V b) { return _mm_or_si128(a, b); }
  static V Xor(V a, V b) { return _mm_xor_si128(a, b); }
  static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
  static V Sub(V a, V b) { return _mm_sub_epi8(a, b); }
  static V Following(V block, V next) {
    return _mm_or_si128(_mm_srli_si128(block, 1), _mm_slli_si128(next, 15));
  }
  static int64_t LaneSum(V lanes) {
    const V sums = _mm_sad_epu8(lanes, Zero());
    return _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_srli_si128(sums, 8));
  }
};

size_t ScanSse2(const uint8_t* p, size_t n, bool extra, FileCounts& counts) {
  return BlockScanner<Sse2>::Scan(p, n, extra, counts);
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

bool HasAvx512() {
  static const bool has = HasAvx2() && __builtin_cpu_supports("avx512f") &&
                          __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("popcnt");
  return has;
}

}  // namespace

bool ByteScanPathAvailable(ByteScanPath path) {
  switch (path) {
    case ByteScanPath::Avx2:
      return HasAvx2();
    case ByteScanPath::Avx512:
      return HasAvx512();
    default:
      return true;
  }
}

ByteScanPath WidestByteScanPath() {
  if (HasAvx512()) return ByteScanPath::Avx512;
  return HasAvx2() ? ByteScanPath::Avx2 : ByteScanPath::Sse2;
}

FileCounts ScanBytesOn(ByteScanPath path, std::span<const uint8_t> bytes, uint8_t next,
                       bool extraSymbolsAsWords) {
  FileCounts counts;
  size_t done = 0;
  if (path == ByteScanPath::Avx512) {
    done = ScanBytesAvx512(bytes.data(), bytes.size(), extraSymbolsAsWords, counts);
  } else if (path == ByteScanPath::Avx2) {
    done = ScanBytesAvx2(bytes.data(), bytes.size(), extraSymbolsAsWords, counts);
  } else if (path == ByteScanPath::Sse2) {
    done = ScanSse2(bytes.data(), bytes.size(), extraSymbolsAsWords, counts);
  }
  counts += ScanByteRange(bytes.data() + done, bytes.size() - done, next, extraSymbolsAsWords);
  return counts;
}

FileCounts ScanBytesFollowedBy(std::span<const uint8_t> bytes, uint8_t next,
                               bool extraSymbolsAsWords) {
  return ScanBytesOn(WidestByteScanPath(), bytes, next, extraSymbolsAsWords);
}

}  // namespace tw
