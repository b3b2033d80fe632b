#include "text/CNumbers.h"

#include <charconv>
#include <limits>

namespace tw {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view SkipLeadingSpace(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return text.substr(i);
}

}  // namespace

int64_t ParseCInteger(std::string_view text) {
  text = SkipLeadingSpace(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    const int digit = c - '0';
    if (value > (kMax - digit) / 10) return negative ? std::numeric_limits<int64_t>::min() : kMax;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

double ParseCDouble(std::string_view text) {
  text = SkipLeadingSpace(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  // from_chars accepts neither a sign nor leading blanks, which were handled above; it takes the
  // longest prefix that forms a number, as strtod does.
  double value = 0.0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return 0.0;
  return negative ? -value : value;
}

std::string FormatFixed(double value, int precision, int minimumWidth) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
  if (static_cast<int>(text.size()) < minimumWidth) {
    text.insert(0, static_cast<size_t>(minimumWidth) - text.size(), ' ');
  }
  return text;
}

}  // namespace tw
