#include "formats/json/JsonReader.h"

#include "formats/common/MarkupText.h"
#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "formats/common/XmlNodes.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

class JsonParser {
 public:
  JsonParser(std::string_view text, int depthLimit) : text_(text), depthLimit_(depthLimit) {}

  Document Parse() {
    Value();
    SkipSpace();
    if (position_ != text_.size()) Fail("text after the JSON value");
    return std::move(document_);
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw ContainerError("not well-formed JSON: " + why + " at byte " + std::to_string(position_));
  }

  void SkipSpace() {
    while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t' ||
                                        text_[position_] == '\n' || text_[position_] == '\r')) {
      ++position_;
    }
  }

  char Peek() {
    SkipSpace();
    if (position_ >= text_.size()) Fail("unexpected end");
    return text_[position_];
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++position_;
  }

  void Value() {
    const DepthGuard guard(depth_, depthLimit_);
    const char c = Peek();
    if (c == '{') return Object();
    if (c == '[') return Array();
    if (c == '"') {
      std::string value = String();
      if (!value.empty()) document_.Add(PieceKind::Block, Utf8ToUtf16(value));
      return;
    }
    Literal();
  }

  void Object() {
    Expect('{');
    if (Peek() == '}') return void(++position_);
    while (true) {
      if (Peek() != '"') Fail("expected a name");
      String();
      Expect(':');
      Value();
      if (Peek() == '}') return void(++position_);
      Expect(',');
    }
  }

  void Array() {
    Expect('[');
    if (Peek() == ']') return void(++position_);
    while (true) {
      Value();
      if (Peek() == ']') return void(++position_);
      Expect(',');
    }
  }

  // Numbers, true, false and null: checked for their characters, not counted.
  void Literal() {
    const size_t start = position_;
    while (position_ < text_.size() &&
           std::string_view("0123456789+-.eEtruefalsn").find(text_[position_]) !=
               std::string_view::npos) {
      ++position_;
    }
    if (position_ == start) Fail("unexpected character");
  }

  std::string String() {
    ++position_;  // the opening quote
    std::string out;
    while (true) {
      if (position_ >= text_.size()) Fail("unterminated string");
      const char c = text_[position_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (position_ >= text_.size()) Fail("unterminated string");
      Escape(text_[position_++], out);
    }
  }

  void Escape(char c, std::string& out) {
    switch (c) {
      case 'n':
        out += '\n';
        return;
      case 't':
        out += '\t';
        return;
      case 'r':
        out += '\r';
        return;
      case 'b':
        out += '\b';
        return;
      case 'f':
        out += '\f';
        return;
      case 'u':
        return UnicodeEscape(out);
      case '"':
      case '\\':
      case '/':
        out += c;
        return;
      default:
        Fail("bad escape");
    }
  }

  char32_t Hex4() {
    if (position_ + 4 > text_.size()) Fail("short \\u escape");
    char32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[position_++];
      int digit = -1;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      if (digit < 0) Fail("bad \\u escape");
      value = value * 16 + static_cast<char32_t>(digit);
    }
    return value;
  }

  // A surrogate pair is one character; a lone surrogate stands for the replacement character.
  void UnicodeEscape(std::string& out) {
    char32_t cp = Hex4();
    if (cp >= 0xD800 && cp <= 0xDBFF && text_.substr(position_, 2) == "\\u") {
      const size_t saved = position_;
      position_ += 2;
      const char32_t low = Hex4();
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
      } else {
        position_ = saved;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    AppendUtf8(out, cp);
  }

  std::string_view text_;
  int depthLimit_;
  int depth_ = 0;
  size_t position_ = 0;
  Document document_;
};

}  // namespace

Document ParseJson(std::string_view text, int depthLimit) {
  return JsonParser(text, depthLimit).Parse();
}

ReadResult ReadJson(const std::string& path) {
  return ReadGuarded(
      path, "The JSON file cannot be read:", [&] { return ParseJson(ReadTextFileUtf8(path)); });
}

}  // namespace tw
