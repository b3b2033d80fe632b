#include "formats/markdown/MarkdownInline.h"

#include "formats/common/MarkupText.h"

namespace tw {
namespace {

// Link texts nest; deeper than this is not a document a person wrote.
constexpr int kMaxNesting = 32;

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

bool IsSpaceOrEdge(std::string_view s, size_t i) {
  return i >= s.size() || s[i] == ' ' || s[i] == '\t';
}

bool IsAlnum(std::string_view s, size_t i) {
  if (i >= s.size()) return false;
  const unsigned char c = static_cast<unsigned char>(s[i]);
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
}

// The position of the "]" that closes the "[" at `open`, brackets nesting; npos when none.
size_t ClosingBracket(std::string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == '\\') {
      ++i;
    } else if (s[i] == '[') {
      ++depth;
    } else if (s[i] == ']' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

// After a link text: "(target)", "[label]" or "[]". Returns the position after it, or `i` when
// none follows.
size_t SkipLinkTarget(std::string_view s, size_t i) {
  if (i < s.size() && s[i] == '(') {
    int depth = 0;
    for (size_t j = i; j < s.size(); ++j) {
      if (s[j] == '(') ++depth;
      if (s[j] == ')' && --depth == 0) return j + 1;
    }
    return i;
  }
  if (i < s.size() && s[i] == '[') {
    const size_t close = s.find(']', i);
    if (close != std::string_view::npos) return close + 1;
  }
  return i;
}

class InlineScanner {
 public:
  explicit InlineScanner(int nesting) : nesting_(nesting) {}

  std::string Scan(std::string_view s) {
    for (size_t i = 0; i < s.size();) i = Step(s, i);
    return std::move(out_);
  }

 private:
  size_t Step(std::string_view s, size_t i) {
    const char c = s[i];
    if (c == '\\' && i + 1 < s.size() && IsAsciiPunctuation(s[i + 1])) {
      out_ += s[i + 1];
      return i + 2;
    }
    if (c == '`') return CodeSpan(s, i);
    if (c == '!' && i + 1 < s.size() && s[i + 1] == '[') return Link(s, i + 1, i);
    if (c == '[') return Link(s, i, i);
    if (c == '<') return Angle(s, i);
    if (c == '&') {
      const size_t after = DecodeCharacterReference(s, i, out_);
      if (after != i) return after;
    }
    if (c == '*' || c == '_' || c == '~') return Emphasis(s, i);
    out_ += c;
    return i + 1;
  }

  size_t CodeSpan(std::string_view s, size_t i) {
    size_t ticks = 0;
    while (i + ticks < s.size() && s[i + ticks] == '`') ++ticks;
    const std::string fence(ticks, '`');
    const size_t close = s.find(fence, i + ticks);
    if (close == std::string_view::npos) {
      out_ += fence;
      return i + ticks;
    }
    out_ += s.substr(i + ticks, close - i - ticks);
    return close + ticks;
  }

  size_t Link(std::string_view s, size_t open, size_t start) {
    const size_t close = ClosingBracket(s, open);
    const size_t after = close == std::string_view::npos ? open : SkipLinkTarget(s, close + 1);
    // Brackets with no target after them are text, as is anything nested beyond reason.
    if (close == std::string_view::npos || after == close + 1 || nesting_ >= kMaxNesting) {
      out_ += s.substr(start, open + 1 - start);
      return open + 1;
    }
    out_ += InlineScanner(nesting_ + 1).Scan(s.substr(open + 1, close - open - 1));
    return after;
  }

  // An autolink shows its address; any other tag is markup and is not shown.
  size_t Angle(std::string_view s, size_t i) {
    const size_t close = s.find('>', i);
    if (close == std::string_view::npos) {
      out_ += '<';
      return i + 1;
    }
    const std::string_view inside = s.substr(i + 1, close - i - 1);
    const bool autolink =
        inside.find("://") != std::string_view::npos || inside.starts_with("mailto:") ||
        (inside.find('@') != std::string_view::npos && inside.find(' ') == std::string_view::npos);
    if (autolink) out_ += inside;
    return close + 1;
  }

  // A run of emphasis marks is markup when it leans on text; "2 * 3" and snake_case stay.
  size_t Emphasis(std::string_view s, size_t i) {
    const char mark = s[i];
    size_t end = i;
    while (end < s.size() && s[end] == mark) ++end;
    const bool spaceBefore = i == 0 || s[i - 1] == ' ' || s[i - 1] == '\t';
    const bool spaceAfter = IsSpaceOrEdge(s, end);
    bool markup = !(spaceBefore && spaceAfter);
    if (mark == '_' && i > 0 && IsAlnum(s, i - 1) && IsAlnum(s, end)) markup = false;
    if (mark == '~' && end - i < 2) markup = false;
    if (!markup) out_ += s.substr(i, end - i);
    return end;
  }

  int nesting_;
  std::string out_;
};

}  // namespace

std::string MarkdownInlineText(std::string_view line) {
  return InlineScanner(0).Scan(line);
}

}  // namespace tw
