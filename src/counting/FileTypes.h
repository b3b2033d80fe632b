#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tw {

// The counter kinds, in the order a count run runs their batches.
enum class CounterKind {
  Text = 0,
  Word,
  PowerPoint,
  Html,
  Pdf,
  Spreadsheet,
  Xliff,
  Po,
  Subtitle,
  Markdown,
  More,
};
inline constexpr int kCounterKindCount = 11;

// The type boxes under the file list, in box order.
enum class FileType { Doc, Rtf, Xls, Txt, Htm, Ppt, Pdf, Odt, Xliff, Po, Sub, Md, More };
inline constexpr int kFileTypeCount = 13;

// One countable extension: the type box that lists it and the batch that counts it.
struct FileTypeEntry {
  std::string_view extension;  // lower case, without the dot
  FileType box;
  std::optional<CounterKind> batch;
};

// Every extension the program knows. The file list's filters, the command line's folder walk
// and the routing of count-list rows all read this one table.
std::span<const FileTypeEntry> FileTypeTable();

// The entry for a path's extension: the text after the last dot of its file name, compared
// without regard to ASCII case. Null for names without a known extension ("README.adoc",
// "mytxt").
const FileTypeEntry* FileTypeOfPath(std::string_view path);

// The batch a count-list row goes to; nullopt for unknown types.
std::optional<CounterKind> BatchKindOfPath(std::string_view path);

}  // namespace tw
