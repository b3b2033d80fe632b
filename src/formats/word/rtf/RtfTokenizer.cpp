#include "formats/word/rtf/RtfTokenizer.h"

#include <limits>

namespace tw {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Control words are at most 32 letters and parameters at most 10 digits; longer runs are cut so a
// hostile file cannot make one token unbounded or overflow the parameter.
constexpr size_t kMaxWordLength = 32;
constexpr size_t kMaxDigits = 10;

RtfToken MakeToken(RtfTokenKind kind) {
  RtfToken token;
  token.kind = kind;
  return token;
}

}  // namespace

RtfTokenizer::RtfTokenizer(std::string_view data, int maxDepth)
    : data_(data), maxDepth_(maxDepth) {}

RtfToken RtfTokenizer::Next() {
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == '{') {
      ++pos_;
      if (++depth_ > maxDepth_) throw RtfError("its groups are nested too deeply");
      return MakeToken(RtfTokenKind::GroupStart);
    }
    if (c == '}') {
      ++pos_;
      if (depth_ == 0) continue;  // a stray close brace
      --depth_;
      return MakeToken(RtfTokenKind::GroupEnd);
    }
    if (c == '\\') return ReadControl();
    if (c == '\r' || c == '\n' || c == '\0') {
      ++pos_;
      continue;
    }
    return ReadText();
  }
  if (depth_ > 0) {
    --depth_;
    return MakeToken(RtfTokenKind::GroupEnd);
  }
  return MakeToken(RtfTokenKind::End);
}

RtfToken RtfTokenizer::ReadControl() {
  ++pos_;  // the backslash
  if (pos_ >= data_.size()) return Next();
  const char c = data_[pos_];
  if (IsAsciiLetter(c)) return ReadControlWord();
  if (c == '\'') return ReadHexByte();
  ++pos_;
  RtfToken token = MakeToken(RtfTokenKind::ControlSymbol);
  // A backslash before a line end is a paragraph mark.
  token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
  return token;
}

RtfToken RtfTokenizer::ReadControlWord() {
  const size_t start = pos_;
  while (pos_ < data_.size() && IsAsciiLetter(data_[pos_])) ++pos_;
  RtfToken token = MakeToken(RtfTokenKind::ControlWord);
  token.text = data_.substr(start, std::min(pos_ - start, kMaxWordLength));
  bool negative = false;
  if (pos_ + 1 < data_.size() && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
    negative = true;
    ++pos_;
  }
  int64_t value = 0;
  size_t digits = 0;
  while (pos_ < data_.size() && IsDigit(data_[pos_])) {
    if (digits++ < kMaxDigits) value = value * 10 + (data_[pos_] - '0');
    ++pos_;
  }
  if (digits > 0) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    if (value > kMax) value = kMax;
    token.hasParameter = true;
    token.parameter = static_cast<int32_t>(negative ? -value : value);
  }
  if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;  // the delimiting space
  if (token.text == "bin" && token.hasParameter) return ReadBinary(token.parameter);
  return token;
}

RtfToken RtfTokenizer::ReadHexByte() {
  ++pos_;  // the quote
  int value = 0;
  int digits = 0;
  while (digits < 2 && pos_ < data_.size()) {
    const int v = HexValue(data_[pos_]);
    if (v < 0) break;
    value = value * 16 + v;
    ++digits;
    ++pos_;
  }
  if (digits == 0) return Next();  // "\'" without hex digits carries nothing
  RtfToken token = MakeToken(RtfTokenKind::HexByte);
  token.byte = static_cast<uint8_t>(value);
  return token;
}

RtfToken RtfTokenizer::ReadText() {
  const size_t start = pos_;
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0') break;
    ++pos_;
  }
  RtfToken token = MakeToken(RtfTokenKind::Text);
  token.text = data_.substr(start, pos_ - start);
  return token;
}

RtfToken RtfTokenizer::ReadBinary(int32_t length) {
  const size_t available = data_.size() - pos_;
  const size_t n = length < 0 ? 0 : std::min(available, static_cast<size_t>(length));
  RtfToken token = MakeToken(RtfTokenKind::Binary);
  token.text = data_.substr(pos_, n);
  pos_ += n;
  return token;
}

}  // namespace tw
