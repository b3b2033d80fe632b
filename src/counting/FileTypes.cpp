#include "counting/FileTypes.h"

#include <array>

namespace tw {
namespace {

constexpr std::array<FileTypeEntry, 38> kTable = {{
    {"txt", FileType::Txt, CounterKind::Text},
    {"doc", FileType::Doc, CounterKind::Word},
    {"docx", FileType::Doc, CounterKind::Word},
    {"rtf", FileType::Rtf, CounterKind::Word},
    {"xls", FileType::Xls, CounterKind::Spreadsheet},
    {"ppt", FileType::Ppt, CounterKind::PowerPoint},
    {"pptx", FileType::Ppt, CounterKind::PowerPoint},
    {"htm", FileType::Htm, CounterKind::Html},
    {"html", FileType::Htm, CounterKind::Html},
    {"pdf", FileType::Pdf, CounterKind::Pdf},
    {"xlsx", FileType::Xls, CounterKind::Spreadsheet},
    {"xlsm", FileType::Xls, CounterKind::Spreadsheet},
    {"ods", FileType::Xls, CounterKind::Spreadsheet},
    {"ots", FileType::Xls, CounterKind::Spreadsheet},
    {"fods", FileType::Xls, CounterKind::Spreadsheet},
    // OpenDocument texts and presentations count as Word and PowerPoint files do.
    {"odt", FileType::Odt, CounterKind::Word},
    {"ott", FileType::Odt, CounterKind::Word},
    {"fodt", FileType::Odt, CounterKind::Word},
    {"odp", FileType::Ppt, CounterKind::PowerPoint},
    {"otp", FileType::Ppt, CounterKind::PowerPoint},
    {"fodp", FileType::Ppt, CounterKind::PowerPoint},
    {"xlf", FileType::Xliff, CounterKind::Xliff},
    {"xliff", FileType::Xliff, CounterKind::Xliff},
    {"sdlxliff", FileType::Xliff, CounterKind::Xliff},
    {"mqxliff", FileType::Xliff, CounterKind::Xliff},
    {"txlf", FileType::Xliff, CounterKind::Xliff},
    {"po", FileType::Po, CounterKind::Po},
    {"pot", FileType::Po, CounterKind::Po},
    {"srt", FileType::Sub, CounterKind::Subtitle},
    {"vtt", FileType::Sub, CounterKind::Subtitle},
    {"md", FileType::Md, CounterKind::Markdown},
    {"markdown", FileType::Md, CounterKind::Markdown},
    {"epub", FileType::More, CounterKind::More},
    {"idml", FileType::More, CounterKind::More},
    {"csv", FileType::More, CounterKind::More},
    {"tsv", FileType::More, CounterKind::More},
    {"json", FileType::More, CounterKind::More},
    {"xml", FileType::More, CounterKind::More},
}};

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != lower[i]) return false;
  }
  return true;
}

// The text after the last dot of the file name; none when the name has no dot.
std::optional<std::string_view> ExtensionOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  return name.substr(dot + 1);
}

}  // namespace

std::span<const FileTypeEntry> FileTypeTable() {
  return kTable;
}

const FileTypeEntry* FileTypeOfPath(std::string_view path) {
  const std::optional<std::string_view> extension = ExtensionOf(path);
  if (!extension) return nullptr;
  for (const FileTypeEntry& entry : kTable) {
    if (EqualsIgnoringAsciiCase(*extension, entry.extension)) return &entry;
  }
  return nullptr;
}

std::optional<CounterKind> BatchKindOfPath(std::string_view path) {
  const FileTypeEntry* entry = FileTypeOfPath(path);
  return entry != nullptr ? entry->batch : std::nullopt;
}

}  // namespace tw
