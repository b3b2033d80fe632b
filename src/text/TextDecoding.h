#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tw {

enum class TextEncoding { Bytes, Utf8, Utf16LE, Utf16BE, Legacy };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::Bytes;
  size_t bomLength = 0;  // a byte-order mark is not counted
  std::string charset;   // the ICU name of a legacy multi-byte charset
};

// How a text is decoded, decided from its head (its first kTextHeadBytes, or all of it).
struct TextPlan {
  // The decoding, or with `tryUtf8` the one taken when the text is not UTF-8.
  DetectedEncoding encoding;
  // The whole text is decoded as UTF-8 when it turns out valid UTF-8 with at least one
  // multi-byte sequence; only the end of the text tells.
  bool tryUtf8 = false;
};

inline constexpr size_t kTextHeadBytes = size_t{1} << 20;

// Text with a UTF-8 or UTF-16 byte-order mark is decoded by it; text that is valid UTF-8 with a
// multi-byte sequence is decoded as UTF-8; text whose head ICU's detector places in a legacy
// multi-byte charset with high confidence is decoded from that charset; anything else (legacy
// 8-bit text, plain ASCII) is judged byte by byte. With the legacy rules every text is judged
// byte by byte.
TextPlan PlanTextDecoding(std::span<const uint8_t> head, bool legacyByteRules);

// Whether every byte is below 0x80.
bool IsAscii(std::span<const uint8_t> bytes);

// The length of the UTF-8 sequence `lead` starts: 1 below 0x80, 2-4 for a lead byte, 0 for a
// byte that starts none.
inline size_t Utf8SequenceLength(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes one UTF-8 sequence at `p` (at most `available` bytes); returns its length, or 0 when
// the bytes are not a valid, shortest-form sequence.
size_t DecodeUtf8Sequence(const uint8_t* p, size_t available, char32_t* codePoint);

}  // namespace tw
