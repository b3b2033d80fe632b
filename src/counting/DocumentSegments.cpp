#include "counting/DocumentSegments.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <new>
#include <string_view>
#include <utility>

#include "formats/common/MarkupText.h"
#include "formats/common/TextFile.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

constexpr std::array<std::string_view, 20> kBlockElements = {
    "address", "blockquote", "br", "dd", "div", "dl", "dt", "h1", "h2", "h3",
    "h4",      "h5",         "h6", "li", "ol",  "p",  "td", "th", "tr", "title"};

std::string LowerTagName(std::string_view html, size_t afterOpening) {
  size_t i = afterOpening;
  if (i < html.size() && html[i] == '/') ++i;
  std::string name;
  while (i < html.size() && std::isalnum(static_cast<unsigned char>(html[i]))) {
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[i++])));
  }
  return name;
}

bool IsBlockElement(const std::string& name) {
  return std::find(kBlockElements.begin(), kBlockElements.end(), name) != kBlockElements.end();
}

// Where the text of a script or style element ends: at its closing tag, or the file's end.
size_t EndOfRawText(std::string_view html, size_t from, const std::string& name) {
  std::string lower(html.substr(from));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const size_t closing = lower.find("</" + name, 0);
  return closing == std::string::npos ? html.size() : from + closing;
}

// The HTML's text as a browser shows it, with a line break for every block element.
std::string ShownHtmlText(std::string_view html) {
  std::string shown;
  size_t i = 0;
  while (i < html.size()) {
    if (html[i] != '<') {
      const size_t next = std::min(html.find('<', i), html.size());
      shown += DecodedCharacterReferences(html.substr(i, next - i));
      i = next;
      continue;
    }
    const bool comment = html.compare(i, 4, "<!--") == 0;
    const bool closingTag = i + 1 < html.size() && html[i + 1] == '/';
    const size_t close = comment ? html.find("-->", i) : html.find('>', i);
    const std::string name = comment ? std::string() : LowerTagName(html, i + 1);
    shown += IsBlockElement(name) ? '\n' : ' ';
    if (close == std::string_view::npos) break;
    const bool selfClosing = !comment && html[close - 1] == '/';
    i = close + (comment ? 3 : 1);
    if ((name == "script" || name == "style") && !closingTag && !selfClosing) {
      i = EndOfRawText(html, i, name);
    }
  }
  return shown;
}

std::vector<SegmentWords> SegmentsOfText(const std::u16string& text, TextRules rules) {
  std::vector<SegmentWords> segments;
  AppendTextSegments(text, PlainTextWords(rules), segments);
  return segments;
}

}  // namespace

std::vector<SegmentWords> SegmentsOfPieces(const Document& document,
                                           const std::function<bool(const TextPiece&)>& counted,
                                           const WordsOfText& wordsOf) {
  std::vector<SegmentWords> segments;
  for (const TextPiece& piece : document.pieces) {
    if (counted(piece)) AppendTextSegments(piece.text, wordsOf, segments);
  }
  return segments;
}

WordsOfText PlainTextWords(TextRules rules) {
  return [rules](std::u16string_view text) { return ScanUtf16Text(text, rules).words; };
}

// Repetitions are looked for on top of the count: a file whose segments do not fit in memory is
// counted without them.
std::vector<SegmentWords> TextFileSegments(std::string bytes, TextRules rules) {
  try {
    const std::string text = DecodedText(std::move(bytes));
    if (text.find('\0') != std::string::npos) return {};
    return SegmentsOfText(Utf8ToUtf16(text), rules);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

std::vector<SegmentWords> HtmlFileSegments(std::string bytes, TextRules rules) {
  try {
    const std::string text = DecodedText(std::move(bytes));
    if (text.find('\0') != std::string::npos) return {};
    return SegmentsOfText(Utf8ToUtf16(ShownHtmlText(text)), rules);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace tw
