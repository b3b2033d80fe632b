#include "count/TextScan.h"

#include "count/HtmlScanner.h"
#include "count/TextDecoding.h"
#include "count/WordScanner.h"

namespace tw {
namespace {

inline uint32_t IsWordFormingByte(uint8_t b, bool extraSymbolsAsWords) {
  if (extraSymbolsAsWords) return b > 0x20;
  const uint8_t lower = b | 0x20;  // folds A-Z onto a-z
  return (static_cast<uint8_t>(b - '0') < 10) | (static_cast<uint8_t>(lower - 'a') < 26) |
         (b == '-') | (b >= 0xC0);
}

// Counts a block of at most 2^31 bytes; `next` is the byte after the block (a blank at the end).
// Written without branches so the compiler can vectorise it: a word ends wherever a
// word-forming byte is followed by one that is not.
FileCounts ScanByteBlock(const uint8_t* p, size_t n, uint8_t next, bool extra) {
  uint32_t characters = 0;
  uint32_t spaces = 0;
  uint32_t wordEnds = 0;
  for (size_t i = 0; i < n; ++i) {
    const uint8_t b = p[i];
    const uint8_t following = i + 1 < n ? p[i + 1] : next;
    characters += b > 0x20;
    spaces += (b == 0x20) | (b == 0x09);
    wordEnds += IsWordFormingByte(b, extra) & (IsWordFormingByte(following, extra) ^ 1u);
  }
  return {wordEnds, characters, spaces};
}

}  // namespace

FileCounts ScanBytes(std::span<const uint8_t> bytes, bool extraSymbolsAsWords) {
  constexpr size_t kBlock = size_t{1} << 20;
  FileCounts counts;
  for (size_t start = 0; start < bytes.size(); start += kBlock) {
    const size_t n = std::min(kBlock, bytes.size() - start);
    const uint8_t next = start + n < bytes.size() ? bytes[start + n] : 0;
    counts += ScanByteBlock(bytes.data() + start, n, next, extraSymbolsAsWords);
  }
  return counts;
}

FileCounts ScanPlainText(std::span<const uint8_t> bytes, TextRules rules) {
  const DetectedEncoding detected = DetectTextEncoding(bytes, rules.legacyByteRules);
  if (detected.encoding == TextEncoding::Bytes) {
    return ScanBytes(bytes, rules.extraSymbolsAsWords);
  }
  WordScanner scanner(rules.extraSymbolsAsWords);
  DecodeText(bytes, detected, [&scanner](char32_t cp) { scanner.Feed(ClassifyCodePoint(cp)); });
  return scanner.Finish();
}

FileCounts ScanHtml(std::span<const uint8_t> bytes, bool legacyByteRules) {
  const DetectedEncoding detected = DetectTextEncoding(bytes, legacyByteRules);
  HtmlScanner scanner;
  if (detected.encoding == TextEncoding::Bytes) {
    for (uint8_t b : bytes) scanner.Feed(b, ClassifyByte(b));
  } else {
    DecodeText(bytes, detected,
               [&scanner](char32_t cp) { scanner.Feed(cp, ClassifyCodePoint(cp)); });
  }
  return scanner.Finish();
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
