#include "counting/FileTypes.h"

#include <array>

namespace tw {
namespace {

constexpr std::array<FileTypeEntry, 10> kTable = {{
    {"txt", FileType::Txt, CounterKind::Text},
    {"doc", FileType::Doc, CounterKind::Word},
    {"docx", FileType::Doc, CounterKind::Word},
    {"rtf", FileType::Rtf, CounterKind::Word},
    {"xls", FileType::Xls, std::nullopt},
    {"ppt", FileType::Ppt, CounterKind::PowerPoint},
    {"pptx", FileType::Ppt, CounterKind::PowerPoint},
    {"htm", FileType::Htm, CounterKind::Html},
    {"html", FileType::Htm, CounterKind::Html},
    {"pdf", FileType::Pdf, CounterKind::Pdf},
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
