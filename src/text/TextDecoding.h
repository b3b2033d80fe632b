#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tw {

enum class TextEncoding { Bytes, Utf8, Utf16LE, Utf16BE };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::Bytes;
  size_t bomLength = 0;  // a byte-order mark is not counted
};

// Text with a UTF-8 or UTF-16 byte-order mark, or valid UTF-8 holding at least one multi-byte
// sequence, is decoded; anything else (legacy 8-bit text, plain ASCII) is judged byte by byte.
// With the legacy rules every file is judged byte by byte.
DetectedEncoding DetectTextEncoding(std::span<const uint8_t> bytes, bool legacyByteRules);

// Whether every byte is below 0x80.
bool IsAscii(std::span<const uint8_t> bytes);

// Decodes `bytes` and hands every code point to `sink`. Bytes that do not form a valid sequence
// are handed over one by one as U+0080-U+00FF, so they are judged as the byte they are.
template <class Sink>
void DecodeText(std::span<const uint8_t> bytes, DetectedEncoding detected, Sink&& sink);

// Decodes one UTF-8 sequence at `p` (at most `available` bytes); returns its length, or 0 when
// the bytes are not a valid, shortest-form sequence.
size_t DecodeUtf8Sequence(const uint8_t* p, size_t available, char32_t* codePoint);

// ---------------------------------------------------------------------------------------------

template <class Sink>
void DecodeText(std::span<const uint8_t> bytes, DetectedEncoding detected, Sink&& sink) {
  const uint8_t* p = bytes.data() + detected.bomLength;
  const uint8_t* end = bytes.data() + bytes.size();
  switch (detected.encoding) {
    case TextEncoding::Bytes:
      for (; p < end; ++p) sink(static_cast<char32_t>(*p));
      return;
    case TextEncoding::Utf8:
      while (p < end) {
        if (*p < 0x80) {
          sink(static_cast<char32_t>(*p++));
          continue;
        }
        char32_t cp = 0;
        const size_t length = DecodeUtf8Sequence(p, static_cast<size_t>(end - p), &cp);
        if (length == 0) {
          sink(static_cast<char32_t>(*p++));
        } else {
          sink(cp);
          p += length;
        }
      }
      return;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
      const bool little = detected.encoding == TextEncoding::Utf16LE;
      auto unitAt = [little](const uint8_t* q) -> char32_t {
        return little ? static_cast<char32_t>(q[0] | (q[1] << 8))
                      : static_cast<char32_t>((q[0] << 8) | q[1]);
      };
      while (end - p >= 2) {
        char32_t unit = unitAt(p);
        p += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && end - p >= 2) {
          const char32_t low = unitAt(p);
          if (low >= 0xDC00 && low <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            p += 2;
          }
        }
        sink(unit);
      }
      if (p < end) sink(static_cast<char32_t>(*p));  // an odd last byte
      return;
    }
  }
}

}  // namespace tw
