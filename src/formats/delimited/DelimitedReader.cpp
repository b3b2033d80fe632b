#include "formats/delimited/DelimitedReader.h"

#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

// "12", "-3.5", "1,234.00", "45%": figures, not words.
bool IsNumber(std::string_view cell) {
  const size_t start = cell.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  const size_t end = cell.find_last_not_of(" \t");
  std::string_view number = cell.substr(start, end - start + 1);
  if (number.starts_with('+') || number.starts_with('-')) number.remove_prefix(1);
  if (number.ends_with('%')) number.remove_suffix(1);
  bool digit = false;
  for (const char c : number) {
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c != '.' && c != ',')
      return false;
  }
  return digit;
}

class CellSplitter {
 public:
  CellSplitter(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

  Document Split() {
    while (position_ < text_.size()) AddCell(NextCell());
    return std::move(document_);
  }

 private:
  std::string NextCell() {
    if (delimiter_ == ',' && position_ < text_.size() && text_[position_] == '"') {
      return QuotedCell();
    }
    return PlainCell();
  }

  // Up to the delimiter or the end of the line, which are passed over.
  std::string PlainCell() {
    std::string cell;
    while (position_ < text_.size() && text_[position_] != delimiter_ && text_[position_] != '\n') {
      cell += text_[position_++];
    }
    if (position_ < text_.size()) ++position_;
    if (cell.ends_with('\r')) cell.pop_back();
    return cell;
  }

  std::string QuotedCell() {
    std::string cell;
    ++position_;
    while (position_ < text_.size()) {
      const char c = text_[position_++];
      if (c != '"') {
        cell += c;
      } else if (position_ < text_.size() && text_[position_] == '"') {
        cell += '"';
        ++position_;
      } else {
        break;
      }
    }
    // Whatever follows the closing quote up to the delimiter belongs to the cell too.
    return cell + PlainCell();
  }

  void AddCell(const std::string& cell) {
    if (cell.find_first_not_of(" \t\r\n") == std::string::npos || IsNumber(cell)) return;
    document_.Add(PieceKind::SheetCell, Utf8ToUtf16(cell));
  }

  std::string_view text_;
  char delimiter_;
  size_t position_ = 0;
  Document document_;
};

}  // namespace

Document ParseDelimited(std::string_view text, char delimiter) {
  return CellSplitter(text, delimiter).Split();
}

ReadResult ReadDelimited(const std::string& path, char delimiter) {
  return ReadGuarded(path, "The file cannot be read:", [&] {
    return ParseDelimited(ReadTextFileUtf8(path), delimiter);
  });
}

}  // namespace tw
