#include "text/TextDecoding.h"

#include <algorithm>

#include "text/CharsetDetection.h"

namespace tw {

bool IsAscii(std::span<const uint8_t> bytes) {
  // OR-reduce in blocks: the compiler vectorises this loop.
  uint8_t seen = 0;
  for (uint8_t b : bytes) seen |= b;
  return (seen & 0x80) == 0;
}

size_t DecodeUtf8Sequence(const uint8_t* p, size_t available, char32_t* codePoint) {
  const uint8_t lead = p[0];
  const size_t length = Utf8SequenceLength(lead);
  if (length < 2 || available < length) return 0;
  static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  static constexpr uint8_t kLeadMask[5] = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t cp = lead & kLeadMask[length];
  for (size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  *codePoint = cp;
  return length;
}

namespace {

// The detector needs a few paragraphs, not megabytes.
constexpr size_t kSampleBytes = size_t{64} << 10;
constexpr uint8_t kEscape = 0x1B;  // the ISO-2022 charsets shift with escape sequences

// Valid UTF-8 throughout, with at least one multi-byte sequence; a sequence cut by the end of
// the head does not count against it.
bool IsMultiByteUtf8Head(std::span<const uint8_t> head) {
  bool multiByte = false;
  const uint8_t* p = head.data();
  const uint8_t* end = p + head.size();
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    const size_t available = static_cast<size_t>(end - p);
    const size_t needed = Utf8SequenceLength(*p);
    if (needed > available) return multiByte;
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(p, available, &cp);
    if (length == 0) return false;
    multiByte = true;
    p += length;
  }
  return multiByte;
}

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// The head from its first byte that no ASCII text holds, or empty when it holds none.
std::span<const uint8_t> DetectionSample(std::span<const uint8_t> head) {
  const auto first =
      std::find_if(head.begin(), head.end(), [](uint8_t b) { return b >= 0x80 || b == kEscape; });
  const size_t from = static_cast<size_t>(first - head.begin());
  return head.subspan(from, std::min(kSampleBytes, head.size() - from));
}

}  // namespace

TextPlan PlanTextDecoding(std::span<const uint8_t> head, bool legacyByteRules) {
  if (legacyByteRules) return {};
  head = head.first(std::min(head.size(), kTextHeadBytes));
  if (StartsWith(head, {0xEF, 0xBB, 0xBF})) return {{TextEncoding::Utf8, 3, {}}, false};
  if (StartsWith(head, {0xFF, 0xFE})) return {{TextEncoding::Utf16LE, 2, {}}, false};
  if (StartsWith(head, {0xFE, 0xFF})) return {{TextEncoding::Utf16BE, 2, {}}, false};
  TextPlan plan{{}, true};
  const std::span<const uint8_t> sample = DetectionSample(head);
  if (sample.empty() || IsMultiByteUtf8Head(head)) return plan;
  std::string charset = DetectMultiByteCharset(sample);
  if (!charset.empty()) plan.encoding = {TextEncoding::Legacy, 0, std::move(charset)};
  return plan;
}

}  // namespace tw
