#pragma once

#include <string>
#include <string_view>

namespace tw {

// The five texts of one file-list row.
struct FileListRow {
  std::string name;
  std::string size;
  std::string type;
  std::string modified;
  std::string fullPath;

  // "Name" + "." + "Type": what the duplicate test compares a new file's name with.
  std::string DuplicateKey() const { return name + "." + type; }

  // The row of a file: its name split at the last dot, its size and time read from the disk
  // once (both stay empty when the file is gone). A trailing separator is dropped first.
  static FileListRow OfFile(std::string_view path);
  // The file name of a path: the text after the last separator.
  static std::string_view FileNameOf(std::string_view path);
  // The "Type" text: the extension after the last dot, spelled as in the name ("" without one).
  static std::string TypeOfName(std::string_view fileName);
  // The "Name" text: the file name without the type and the dot before it.
  static std::string NameOfName(std::string_view fileName, std::string_view type);
  // A last-write time as "%x %X" in the C locale, local time; empty when it cannot be converted.
  static std::string FormatModified(long long secondsSinceEpoch);

 private:
  void FillFromDisk();
};

}  // namespace tw
