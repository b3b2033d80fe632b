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

  // The "Type" text: the last four characters when they are "docx", "pptx" or "html" in any
  // case, otherwise the last three, spelled as in the name.
  static std::string TypeOfName(std::string_view fileName);
  // The "Name" text: the file name without the type and the dot before it.
  static std::string NameOfName(std::string_view fileName, std::string_view type);
  // Size and last-write time of the file, read once; both stay empty when the file is gone.
  void FillFromDisk();
  // A last-write time as "%x %X" in the C locale, local time; empty when it cannot be converted.
  static std::string FormatModified(long long secondsSinceEpoch);
};

}  // namespace tw
