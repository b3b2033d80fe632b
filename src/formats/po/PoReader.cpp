#include "formats/po/PoReader.h"

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char SimpleEscape(char c) {
  switch (c) {
    case 'n':
      return '\n';
    case 't':
      return '\t';
    case 'r':
      return '\r';
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    case 'v':
      return '\v';
    default:
      return c;  // \" \\ \' \? and anything unknown stand for themselves
  }
}

// Decodes one escape after a backslash at `i`; returns the position after it.
size_t DecodeEscape(std::string_view s, size_t i, std::string& out) {
  if (i >= s.size()) return i;
  if (s[i] >= '0' && s[i] <= '7') {
    int value = 0;
    size_t end = i;
    for (; end < s.size() && end < i + 3 && s[end] >= '0' && s[end] <= '7'; ++end) {
      value = value * 8 + (s[end] - '0');
    }
    out.push_back(static_cast<char>(value & 0xFF));
    return end;
  }
  if (s[i] == 'x') {
    int value = 0;
    size_t end = i + 1;
    for (; end < s.size() && end < i + 3 && HexValue(s[end]) >= 0; ++end) {
      value = value * 16 + HexValue(s[end]);
    }
    if (end > i + 1) out.push_back(static_cast<char>(value));
    return end;
  }
  out.push_back(SimpleEscape(s[i]));
  return i + 1;
}

// The contents of the quoted string on a line ("...": the part between the first quote and the
// last unescaped quote), decoded. Nothing when the line holds no quoted string.
std::string QuotedString(std::string_view line) {
  std::string out;
  const size_t open = line.find('"');
  if (open == std::string_view::npos) return out;
  for (size_t i = open + 1; i < line.size();) {
    if (line[i] == '"') break;
    if (line[i] == '\\') {
      i = DecodeEscape(line, i + 1, out);
    } else {
      out.push_back(line[i++]);
    }
  }
  return out;
}

std::string_view TrimLeft(std::string_view line) {
  const size_t start = line.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

bool StartsWithKeyword(std::string_view line, std::string_view keyword) {
  return line.starts_with(keyword) && line.size() > keyword.size() &&
         (line[keyword.size()] == ' ' || line[keyword.size()] == '\t' ||
          line[keyword.size()] == '"');
}

class PoParser {
 public:
  void Line(std::string_view raw) {
    const std::string_view line = TrimLeft(raw);
    if (line.starts_with('"')) {
      if (collecting_) text_ += QuotedString(line);
      return;
    }
    Flush();
    // Comments, obsolete entries (#~), msgctxt and msgstr are not source text.
    if (StartsWithKeyword(line, "msgid") || StartsWithKeyword(line, "msgid_plural")) {
      collecting_ = true;
      text_ = QuotedString(line);
    }
  }

  Document Finish() {
    Flush();
    return std::move(document_);
  }

 private:
  void Flush() {
    if (collecting_ && !text_.empty()) document_.Add(PieceKind::Segment, Utf8ToUtf16(text_));
    collecting_ = false;
    text_.clear();
  }

  Document document_;
  std::string text_;
  bool collecting_ = false;
};

}  // namespace

Document ParsePo(std::string_view text) {
  PoParser parser;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    parser.Line(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parser.Finish();
}

ReadResult ReadPo(const std::string& path) {
  return ReadGuarded(
      path, "The catalogue cannot be read:", [&] { return ParsePo(ReadTextFileUtf8(path)); });
}

}  // namespace tw
