#include "counting/TextScan.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "counting/WordScanner.h"

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

#if defined(__SSE2__)
// Sixteen bytes at a time: each class is a byte mask (0xFF where it holds), the masks are summed
// in byte lanes and folded into 64-bit sums before a lane can overflow.
class VectorByteScanner {
 public:
  explicit VectorByteScanner(bool extra) : extra_(extra) {}

  // Scans p[0, n) where p[n] is readable; returns how many bytes were done (a multiple of 16).
  size_t Scan(const uint8_t* p, size_t n, FileCounts& counts) {
    size_t done = 0;
    while (n - done > 16) {
      const size_t blocks = std::min<size_t>((n - done - 1) / 16, 255);
      __m128i characters = _mm_setzero_si128();
      __m128i spaces = _mm_setzero_si128();
      __m128i wordEnds = _mm_setzero_si128();
      for (size_t k = 0; k < blocks; ++k, done += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + done));
        const __m128i following = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + done + 1));
        characters = _mm_sub_epi8(characters, AboveBlank(bytes));
        spaces = _mm_sub_epi8(spaces, _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x20)),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x09))));
        wordEnds =
            _mm_sub_epi8(wordEnds, _mm_andnot_si128(WordForming(following), WordForming(bytes)));
      }
      counts.characters += LaneSum(characters);
      counts.spaces += LaneSum(spaces);
      counts.words += LaneSum(wordEnds);
    }
    return done;
  }

 private:
  static __m128i AboveBlank(__m128i bytes) {
    // Unsigned b > 0x20 as a signed comparison after flipping the top bit.
    const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
    return _mm_cmpgt_epi8(_mm_xor_si128(bytes, flip),
                          _mm_set1_epi8(static_cast<char>(0x20 ^ 0x80)));
  }
  static __m128i AtMost(__m128i x, uint8_t limit) {  // unsigned x <= limit
    return _mm_cmpeq_epi8(_mm_min_epu8(x, _mm_set1_epi8(static_cast<char>(limit))), x);
  }
  __m128i WordForming(__m128i bytes) const {
    if (extra_) return AboveBlank(bytes);
    const __m128i digit = AtMost(_mm_sub_epi8(bytes, _mm_set1_epi8('0')), 9);
    const __m128i lower = _mm_or_si128(bytes, _mm_set1_epi8(0x20));
    const __m128i letter = AtMost(_mm_sub_epi8(lower, _mm_set1_epi8('a')), 25);
    const __m128i dash = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('-'));
    const __m128i high =
        _mm_cmpeq_epi8(_mm_max_epu8(bytes, _mm_set1_epi8(static_cast<char>(0xC0))), bytes);
    return _mm_or_si128(_mm_or_si128(digit, letter), _mm_or_si128(dash, high));
  }
  static int64_t LaneSum(__m128i lanes) {
    const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
    return _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
  }

  bool extra_;
};
#endif

}  // namespace

FileCounts ScanBytes(std::span<const uint8_t> bytes, bool extraSymbolsAsWords) {
  return ScanBytesFollowedBy(bytes, 0, extraSymbolsAsWords);
}

FileCounts ScanBytesFollowedBy(std::span<const uint8_t> bytes, uint8_t next,
                               bool extraSymbolsAsWords) {
  FileCounts counts;
  size_t done = 0;
#if defined(__SSE2__)
  done = VectorByteScanner(extraSymbolsAsWords).Scan(bytes.data(), bytes.size(), counts);
#endif
  counts += ScanByteRange(bytes.data() + done, bytes.size() - done, next, extraSymbolsAsWords);
  return counts;
}

FileCounts ScanPlainText(std::span<const uint8_t> bytes, TextRules rules) {
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  stream.Feed(bytes);
  return stream.Finish();
}

FileCounts ScanHtml(std::span<const uint8_t> bytes, bool legacyByteRules) {
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  stream.Feed(bytes);
  return stream.Finish();
}

FileCounts ScanUtf16Text(std::u16string_view text, TextRules rules) {
  WordScanner scanner(rules.extraSymbolsAsWords);
  if (rules.legacyByteRules) {
    for (char16_t unit : text) scanner.Feed(ClassifyUnitLowByte(unit));
    return scanner.Finish();
  }
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    scanner.Feed(ClassifyCodePoint(cp));
  }
  return scanner.Finish();
}

}  // namespace tw
