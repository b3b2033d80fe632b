#include "text/Utf16Text.h"

#include <emmintrin.h>

#include <cstdint>

#include "text/TextDecoding.h"

namespace tw {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Widens the ASCII bytes that open [p, end) into `to`, sixteen at a time while there are as many;
// returns where they end.
const uint8_t* WidenAscii(const uint8_t* p, const uint8_t* end, char16_t*& to) {
  const __m128i zero = _mm_setzero_si128();
  while (end - p >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if (_mm_movemask_epi8(bytes) != 0) break;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), _mm_unpackhi_epi8(bytes, zero));
    p += 16;
    to += 16;
  }
  while (p < end && *p < 0x80) *to++ = static_cast<char16_t>(*p++);
  return p;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// No byte makes more than one unit (a four-byte sequence makes two), so the text is written
// into room made once: segmenting for repetitions converts every plain-text file it reads.
std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  AppendUtf8AsUtf16(out, text);
  return out;
}

void AppendUtf8AsUtf16(std::u16string& out, std::string_view text) {
  const size_t start = out.size();
  out.resize(start + text.size());
  char16_t* to = out.data() + start;
  const auto* p = reinterpret_cast<const uint8_t*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    if (*p < 0x80) {
      p = WidenAscii(p, end, to);
      continue;
    }
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(p, static_cast<size_t>(end - p), &cp);
    if (length == 0) {
      *to++ = kReplacement;
      ++p;
    } else if (cp < 0x10000) {
      *to++ = static_cast<char16_t>(cp);
      p += length;
    } else {
      *to++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      *to++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      p += length;
    }
  }
  out.resize(static_cast<size_t>(to - out.data()));
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                          (static_cast<char32_t>(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

}  // namespace tw
