#include "text/TextDecoding.h"

namespace tw {

bool IsAscii(std::span<const uint8_t> bytes) {
  // OR-reduce in blocks: the compiler vectorises this loop.
  uint8_t seen = 0;
  for (uint8_t b : bytes) seen |= b;
  return (seen & 0x80) == 0;
}

size_t DecodeUtf8Sequence(const uint8_t* p, size_t available, char32_t* codePoint) {
  const uint8_t lead = p[0];
  size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (available < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  *codePoint = cp;
  return length;
}

namespace {

// Valid UTF-8 throughout, with at least one multi-byte sequence.
bool IsMultiByteUtf8(std::span<const uint8_t> bytes) {
  bool multiByte = false;
  const uint8_t* p = bytes.data();
  const uint8_t* end = p + bytes.size();
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(p, static_cast<size_t>(end - p), &cp);
    if (length == 0) return false;
    multiByte = true;
    p += length;
  }
  return multiByte;
}

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> prefix) {
  if (bytes.size() < prefix.size()) return false;
  size_t i = 0;
  for (uint8_t b : prefix) {
    if (bytes[i++] != b) return false;
  }
  return true;
}

}  // namespace

DetectedEncoding DetectTextEncoding(std::span<const uint8_t> bytes, bool legacyByteRules) {
  if (legacyByteRules) return {TextEncoding::Bytes, 0};
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return {TextEncoding::Utf8, 3};
  if (StartsWith(bytes, {0xFF, 0xFE})) return {TextEncoding::Utf16LE, 2};
  if (StartsWith(bytes, {0xFE, 0xFF})) return {TextEncoding::Utf16BE, 2};
  if (IsAscii(bytes)) return {TextEncoding::Bytes, 0};
  if (IsMultiByteUtf8(bytes)) return {TextEncoding::Utf8, 0};
  return {TextEncoding::Bytes, 0};
}

}  // namespace tw
