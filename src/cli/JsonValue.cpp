#include "cli/JsonValue.h"

#include <charconv>
#include <stdexcept>

#include "cli/JsonText.h"

namespace tw::cli {
namespace {

// Deep enough for any output we write, shallow enough that a hostile file cannot exhaust the stack.
constexpr int kMaxDepth = 64;

struct SyntaxError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  JsonValue Document() {
    JsonValue value = Value(0);
    SkipSpace();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }
  size_t Offset() const { return at_; }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw SyntaxError(what); }

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++at_;
  }
  void Word(const char* word) {
    for (const char* c = word; *c; ++c) Expect(*c);
  }

  JsonValue Value(int depth) {
    if (depth > kMaxDepth) Fail("nested too deeply");
    SkipSpace();
    JsonValue value;
    switch (Peek()) {
      case '{':
        return Object(depth);
      case '[':
        return Array(depth);
      case '"':
        value.kind = JsonValue::Kind::String;
        value.text = String();
        return value;
      case 't':
      case 'f':
        value.kind = JsonValue::Kind::Bool;
        value.boolean = Peek() == 't';
        Word(value.boolean ? "true" : "false");
        return value;
      case 'n':
        Word("null");
        return value;
      default:
        return Number();
    }
  }

  JsonValue Object(int depth) {
    JsonValue value;
    value.kind = JsonValue::Kind::Object;
    Expect('{');
    SkipSpace();
    if (Peek() == '}') {
      ++at_;
      return value;
    }
    for (;;) {
      SkipSpace();
      const std::string name = String();
      SkipSpace();
      Expect(':');
      value.members[name] = Value(depth + 1);
      SkipSpace();
      if (Peek() == '}') break;
      Expect(',');
    }
    ++at_;
    return value;
  }

  JsonValue Array(int depth) {
    JsonValue value;
    value.kind = JsonValue::Kind::Array;
    Expect('[');
    SkipSpace();
    if (Peek() == ']') {
      ++at_;
      return value;
    }
    for (;;) {
      value.items.push_back(Value(depth + 1));
      SkipSpace();
      if (Peek() == ']') break;
      Expect(',');
    }
    ++at_;
    return value;
  }

  void Digits() {
    if (Peek() < '0' || Peek() > '9') Fail("digit expected");
    while (Peek() >= '0' && Peek() <= '9') ++at_;
  }

  JsonValue Number() {
    const size_t start = at_;
    if (Peek() == '-') ++at_;
    if (Peek() == '0') {
      ++at_;
    } else {
      Digits();
    }
    if (Peek() == '.') {
      ++at_;
      Digits();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      Digits();
    }
    JsonValue value;
    value.kind = JsonValue::Kind::Number;
    value.text = text_.substr(start, at_ - start);
    std::from_chars(value.text.data(), value.text.data() + value.text.size(), value.number);
    return value;
  }

  unsigned Hex4() {
    if (at_ + 4 > text_.size()) Fail("four hex digits expected");
    unsigned code = 0;
    const auto result = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
    if (result.ptr != text_.data() + at_ + 4) Fail("four hex digits expected");
    at_ += 4;
    return code;
  }

  unsigned EscapedCodePoint() {
    const unsigned first = Hex4();
    if (first >= 0xDC00 && first <= 0xDFFF) Fail("lone low surrogate");
    if (first < 0xD800 || first > 0xDBFF) return first;
    Word("\\u");
    const unsigned second = Hex4();
    if (second < 0xDC00 || second > 0xDFFF) Fail("high surrogate without its low half");
    return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
  }

  static void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  char Escape() {
    static const std::string from = "\"\\/bfnrt";
    static const std::string to = "\"\\/\b\f\n\r\t";
    const size_t which = from.find(Peek());
    if (Peek() == '\0' || which == std::string::npos) Fail("unknown escape");
    ++at_;
    return to[which];
  }

  std::string String() {
    Expect('"');
    std::string out;
    for (;;) {
      if (at_ >= text_.size()) Fail("unterminated string");
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') break;
      if (c < 0x20) Fail("control character in a string");
      if (c == '\\') {
        ++at_;
        if (Peek() == 'u') {
          ++at_;
          AppendUtf8(out, EscapedCodePoint());
        } else {
          out += Escape();
        }
        continue;
      }
      const size_t length = Utf8SequenceLength(text_, at_);
      if (length == 0) Fail("not UTF-8");
      out.append(text_, at_, length);
      at_ += length;
    }
    ++at_;
    return out;
  }

  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(const std::string& name) const {
  const auto it = members.find(name);
  return it == members.end() ? nullptr : &it->second;
}

JsonParse ParseJson(const std::string& text) {
  Parser parser(text);
  try {
    return {parser.Document(), ""};
  } catch (const SyntaxError& error) {
    return {std::nullopt,
            std::string(error.what()) + " at byte " + std::to_string(parser.Offset())};
  }
}

}  // namespace tw::cli
