#include "formats/markdown/MarkdownReader.h"

#include <vector>

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "formats/markdown/MarkdownInline.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

std::string_view TrimLeft(std::string_view line) {
  const size_t start = line.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

bool IsBlank(std::string_view line) {
  return TrimLeft(line).empty();
}

// "```", "~~~" and longer, with an info string after them.
std::string_view FenceOf(std::string_view line) {
  const std::string_view trimmed = TrimLeft(line);
  if (!trimmed.starts_with("```") && !trimmed.starts_with("~~~")) return {};
  size_t length = 0;
  while (length < trimmed.size() && trimmed[length] == trimmed[0]) ++length;
  return trimmed.substr(0, length);
}

// Setext underlines and thematic breaks: a line of one of - = * _ (three or more), spaces aside.
bool IsRule(std::string_view line) {
  const std::string_view trimmed = TrimLeft(line);
  if (trimmed.empty()) return false;
  const char mark = trimmed[0];
  if (mark != '-' && mark != '=' && mark != '*' && mark != '_') return false;
  size_t marks = 0;
  for (const char c : trimmed) {
    if (c == mark)
      ++marks;
    else if (c != ' ' && c != '\t')
      return false;
  }
  return marks >= 3 || (mark == '=' && marks >= 1);
}

// The row under a table's header: pipes, colons, dashes and spaces only.
bool IsTableDelimiter(std::string_view line) {
  if (line.find('|') == std::string_view::npos || line.find('-') == std::string_view::npos) {
    return false;
  }
  return line.find_first_not_of("|:- \t") == std::string_view::npos;
}

bool IsReferenceDefinition(std::string_view line) {
  const std::string_view trimmed = TrimLeft(line);
  if (!trimmed.starts_with('[')) return false;
  const size_t close = trimmed.find("]:");
  return close != std::string_view::npos && close > 1;
}

bool StripListMarker(std::string_view& line) {
  if (line.size() >= 2 && (line[0] == '-' || line[0] == '*' || line[0] == '+') &&
      (line[1] == ' ' || line[1] == '\t')) {
    line = TrimLeft(line.substr(2));
    return true;
  }
  size_t digits = 0;
  while (digits < line.size() && digits < 9 && line[digits] >= '0' && line[digits] <= '9') ++digits;
  if (digits > 0 && digits + 1 < line.size() && (line[digits] == '.' || line[digits] == ')') &&
      (line[digits + 1] == ' ' || line[digits + 1] == '\t')) {
    line = TrimLeft(line.substr(digits + 2));
    return true;
  }
  return false;
}

// Quote marks, a heading's hashes, list markers and task boxes in front of a line's text.
std::string_view WithoutBlockMarks(std::string_view line) {
  line = TrimLeft(line);
  for (bool more = true; more && !line.empty();) {
    more = false;
    if (line[0] == '>') {
      line = TrimLeft(line.substr(1));
      more = true;
    } else if (StripListMarker(line)) {
      if (line.starts_with("[ ] ") || line.starts_with("[x] ") || line.starts_with("[X] ")) {
        line = line.substr(4);
      }
      more = true;
    }
  }
  size_t hashes = 0;
  while (hashes < line.size() && line[hashes] == '#') ++hashes;
  if (hashes >= 1 && hashes <= 6 && (hashes == line.size() || line[hashes] == ' ')) {
    line = TrimLeft(line.substr(hashes));
    while (line.ends_with('#') || line.ends_with(' ')) line.remove_suffix(1);
  }
  return line;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (text.ends_with(' ') || text.ends_with('\t')) text.remove_suffix(1);
  return text;
}

// A table row's cells, one to a line: neither the pipes between them nor the blanks that line
// the columns up are text.
std::string TableRowText(std::string_view line) {
  std::string out;
  std::string cell;
  auto endCell = [&] {
    const std::string_view trimmed = Trim(cell);
    if (!trimmed.empty()) {
      if (!out.empty()) out += '\n';
      out += trimmed;
    }
    cell.clear();
  };
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '|') {
      cell += '|';  // inside a code span too, as tables are split before inline markup
      ++i;
    } else if (line[i] == '|') {
      endCell();
    } else {
      cell += line[i];
    }
  }
  endCell();
  return out;
}

class MarkdownBlocks {
 public:
  explicit MarkdownBlocks(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

  Document Read() {
    for (size_t i = 0; i < lines_.size(); ++i) Line(i);
    Flush();
    return std::move(document_);
  }

 private:
  void Line(size_t i) {
    const std::string_view line = lines_[i];
    if (!fence_.empty()) {
      if (FenceOf(line).starts_with(fence_) &&
          IsBlank(TrimLeft(line).substr(FenceOf(line).size()))) {
        fence_ = {};
        Flush();
      } else {
        Append(std::string(line));
      }
      return;
    }
    if (const std::string_view fence = FenceOf(line); !fence.empty()) {
      Flush();
      fence_ = fence;
      return;
    }
    if (IsBlank(line)) {
      Flush();
      inTable_ = false;
      return;
    }
    if (i + 1 < lines_.size() && IsTableDelimiter(lines_[i + 1])) {
      Flush();
      inTable_ = true;
    }
    if (IsTableDelimiter(line) || IsRule(line) || IsReferenceDefinition(line)) return;
    const std::string_view text = WithoutBlockMarks(line);
    Append(MarkdownInlineText(inTable_ ? TableRowText(text) : std::string(text)));
  }

  void Append(const std::string& text) {
    if (!block_.empty()) block_ += '\n';
    block_ += text;
  }

  void Flush() {
    if (block_.find_first_not_of(" \t\n") != std::string::npos) {
      document_.Add(PieceKind::Block, Utf8ToUtf16(block_));
    }
    block_.clear();
  }

  std::vector<std::string_view> lines_;
  std::string_view fence_;
  bool inTable_ = false;
  std::string block_;
  Document document_;
};

}  // namespace

Document ParseMarkdown(std::string_view text) {
  return MarkdownBlocks(TextLines(text)).Read();
}

ReadResult ReadMarkdown(const std::string& path) {
  return ReadGuarded(path, "The Markdown file cannot be read:", [&] {
    return ParseMarkdown(ReadTextFileUtf8(path));
  });
}

}  // namespace tw
