#include "cli/JsonText.h"

namespace tw::cli {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

std::string Escaped(unsigned char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  if (c >= 0x20) return std::string(1, static_cast<char>(c));
  static const char* hex = "0123456789abcdef";
  return std::string("\\u00") + hex[c >> 4] + hex[c & 15];
}

}  // namespace

size_t Utf8SequenceLength(const std::string& text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  // The smallest second byte each lead allows rules out overlong forms and, for 0xED,
  // the surrogates; 0xF4 stops at U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

std::string JsonQuoted(const std::string& text) {
  std::string json = "\"";
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      json += kReplacement;
      ++i;
    } else if (length == 1) {
      json += Escaped(static_cast<unsigned char>(text[i]));
      ++i;
    } else {
      json.append(text, i, length);
      i += length;
    }
  }
  return json + "\"";
}

}  // namespace tw::cli
