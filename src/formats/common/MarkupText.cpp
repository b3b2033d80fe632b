#include "formats/common/MarkupText.h"

#include "text/Utf16Text.h"

#include <array>
#include <utility>

namespace tw {
namespace {

constexpr std::array<std::pair<std::string_view, char32_t>, 8> kNamed = {{
    {"amp", U'&'},
    {"lt", U'<'},
    {"gt", U'>'},
    {"quot", U'"'},
    {"apos", U'\''},
    {"nbsp", U'\u00A0'},
    {"lrm", U'\u200E'},
    {"rlm", U'\u200F'},
}};

// More digits than this in a numeric reference is not a character.
constexpr size_t kMaxReferenceLength = 10;

char32_t NumericValue(std::string_view digits, int base) {
  char32_t value = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    if (digit < 0) return 0;
    value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
    if (value > 0x10FFFF) return 0;
  }
  return value;
}

}  // namespace

size_t DecodeCharacterReference(std::string_view text, size_t i, std::string& out) {
  const size_t semicolon = text.find(';', i);
  if (semicolon == std::string_view::npos || semicolon - i > kMaxReferenceLength) return i;
  const std::string_view name = text.substr(i + 1, semicolon - i - 1);
  char32_t cp = 0;
  if (name.starts_with("#x") || name.starts_with("#X")) {
    cp = NumericValue(name.substr(2), 16);
  } else if (name.starts_with('#')) {
    cp = NumericValue(name.substr(1), 10);
  } else {
    for (const auto& [entity, value] : kNamed) {
      if (entity == name) cp = value;
    }
  }
  if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
  AppendUtf8(out, cp);
  return semicolon + 1;
}

std::string DecodedCharacterReferences(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const size_t after = text[i] == '&' ? DecodeCharacterReference(text, i, out) : i;
    if (after != i) {
      i = after;
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

std::string VisibleTextOfMarkup(std::string_view line) {
  std::string out;
  for (size_t i = 0; i < line.size();) {
    if (line[i] == '<') {
      const size_t close = line.find('>', i);
      if (close != std::string_view::npos) {
        i = close + 1;
        continue;
      }
    } else if (line[i] == '&') {
      const size_t after = DecodeCharacterReference(line, i, out);
      if (after != i) {
        i = after;
        continue;
      }
    }
    out.push_back(line[i++]);
  }
  return out;
}

}  // namespace tw
