#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace tw {

// An RTF file that cannot be read (nested beyond the cap, or not RTF at all).
class RtfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class RtfTokenKind : uint8_t {
  GroupStart,     // "{"
  GroupEnd,       // "}"
  ControlWord,    // "\name" with an optional signed parameter
  ControlSymbol,  // "\" and one character that is not a letter ("\~", "\-", "\*", ...)
  HexByte,        // "\'hh": one byte of text in the current code page
  Text,           // a run of plain text bytes (line ends dropped)
  Binary,         // the bytes that "\binN" announces
  End,
};

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::End;
  std::string_view text;  // control word name, text run or binary data
  int32_t parameter = 0;
  bool hasParameter = false;
  char symbol = 0;   // ControlSymbol
  uint8_t byte = 0;  // HexByte
};

// Splits RTF into tokens. Lenient as readers of RTF are: a stray "}" is dropped, groups left open
// at the end are closed, and "\binN" never reads past the end. Only nesting deeper than the cap is
// an error, so a hostile file cannot make the reader's group stack grow without bound.
class RtfTokenizer {
 public:
  static constexpr int kMaxDepth = 1000;

  explicit RtfTokenizer(std::string_view data, int maxDepth = kMaxDepth);

  // The next token; End once the data is used up. Throws RtfError when nesting exceeds the cap.
  RtfToken Next();
  // Groups open after the last token returned.
  int Depth() const { return depth_; }

 private:
  RtfToken ReadControl();
  RtfToken ReadControlWord();
  RtfToken ReadHexByte();
  RtfToken ReadText();
  RtfToken ReadBinary(int32_t length);

  std::string_view data_;
  size_t pos_ = 0;
  int depth_ = 0;
  int maxDepth_;
};

}  // namespace tw
