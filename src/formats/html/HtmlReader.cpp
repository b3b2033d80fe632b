#include "formats/html/HtmlReader.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "formats/html/HtmlEntities.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// Elements whose start and end begin a new line in a browser.
constexpr std::array<std::string_view, 47> kBlockElements = {
    "address",    "article", "aside",  "blockquote", "body",   "br",   "caption", "center",
    "dd",         "details", "dialog", "dir",        "div",    "dl",   "dt",      "fieldset",
    "figcaption", "figure",  "footer", "form",       "h1",     "h2",   "h3",      "h4",
    "h5",         "h6",      "header", "hgroup",     "hr",     "html", "legend",  "li",
    "main",       "menu",    "nav",    "ol",         "option", "p",    "pre",     "section",
    "summary",    "table",   "td",     "textarea",   "th",     "tr",   "ul"};

// Elements whose content a browser does not show.
constexpr std::array<std::string_view, 5> kUnshownElements = {"script", "style", "title",
                                                              "template", "noscript"};

// Elements inside which white space is shown as written.
bool KeepsWhiteSpace(std::string_view name) {
  return name == "pre" || name == "textarea" || name == "listing";
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

template <size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The position of `needle` in `text` from `from` on, ignoring ASCII case; npos when absent.
size_t FindIgnoringCase(std::string_view text, std::string_view needle, size_t from) {
  const auto it =
      std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                  needle.end(), [](char a, char b) { return Lower(a) == Lower(b); });
  return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

// The position after the ">" that ends the tag opened at `i`, skipping quoted attribute values.
size_t EndOfTag(std::string_view html, size_t i) {
  char quote = 0;
  for (; i < html.size(); ++i) {
    const char c = html[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return html.size();
}

// White space runs made one space, none at the ends, as a browser lays text out.
std::string Collapsed(std::string_view text) {
  std::string out;
  bool pendingSpace = false;
  for (const char c : text) {
    if (IsHtmlSpace(c)) {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) out.push_back(' ');
    pendingSpace = false;
    out.push_back(c);
  }
  return out;
}

class VisibleText {
 public:
  explicit VisibleText(std::string_view html) : html_(html) {}

  Document Read() {
    for (size_t i = 0; i < html_.size();) i = html_[i] == '<' ? AtAngle(i) : AtText(i);
    EndBlock();
    return std::move(document_);
  }

 private:
  size_t AtText(size_t i) {
    if (keptWhiteSpace_ > 0) blockKeepsWhiteSpace_ = true;
    if (html_[i] == '&') {
      const size_t after = DecodeHtmlReference(html_, i, block_);
      if (after != i) return after;
    }
    block_.push_back(html_[i]);
    return i + 1;
  }

  size_t AtAngle(size_t i) {
    if (html_.substr(i, 4) == "<!--") {
      const size_t end = html_.find("-->", i + 4);
      return end == std::string_view::npos ? html_.size() : end + 3;
    }
    const char next = i + 1 < html_.size() ? html_[i + 1] : '\0';
    if (next == '!' || next == '?') return EndOfTag(html_, i);
    const bool closing = next == '/';
    const size_t nameStart = i + (closing ? 2 : 1);
    if (nameStart >= html_.size() || !IsAsciiLetter(html_[nameStart])) return AtText(i);
    std::string name;
    size_t k = nameStart;
    for (; k < html_.size() &&
           (std::isalnum(static_cast<unsigned char>(html_[k])) != 0 || html_[k] == '-');
         ++k) {
      name.push_back(Lower(html_[k]));
    }
    const size_t after = EndOfTag(html_, k);
    return closing ? ClosingTag(name, after) : OpeningTag(name, after);
  }

  size_t OpeningTag(const std::string& name, size_t after) {
    if (IsOneOf(name, kUnshownElements)) {
      const size_t end = FindIgnoringCase(html_, "</" + name, after);
      return end == std::string_view::npos ? html_.size() : EndOfTag(html_, end);
    }
    if (IsOneOf(name, kBlockElements)) EndBlock();
    if (KeepsWhiteSpace(name)) ++keptWhiteSpace_;
    return after;
  }

  size_t ClosingTag(const std::string& name, size_t after) {
    if (IsOneOf(name, kBlockElements)) EndBlock();
    if (KeepsWhiteSpace(name) && keptWhiteSpace_ > 0) --keptWhiteSpace_;
    return after;
  }

  void EndBlock() {
    const std::string text = blockKeepsWhiteSpace_ ? block_ : Collapsed(block_);
    const bool blank = std::all_of(text.begin(), text.end(), IsHtmlSpace);
    if (!blank) document_.Add(PieceKind::Block, Utf8ToUtf16(text));
    block_.clear();
    blockKeepsWhiteSpace_ = false;
  }

  std::string_view html_;
  Document document_;
  std::string block_;  // UTF-8, references decoded
  bool blockKeepsWhiteSpace_ = false;
  int keptWhiteSpace_ = 0;  // <pre> elements open
};

}  // namespace

Document ParseHtml(std::string_view html) {
  return VisibleText(html).Read();
}

ReadResult ReadHtml(const std::string& path) {
  return ReadGuarded(
      path, "The HTML file cannot be read:", [&] { return ParseHtml(ReadTextFileUtf8(path)); });
}

}  // namespace tw
