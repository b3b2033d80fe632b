#pragma once

#include <string>
#include <vector>

namespace tw {

// One entry of a folder listing, without the entries for the folder itself and its parent.
struct DirectoryEntry {
  enum class Kind { File, Folder, LinkToFolder, Other };
  std::string name;
  Kind kind = Kind::File;
};

// Reads a folder's entries in the order the file system gives them. An unreadable folder reads
// as empty (ok false). A symbolic link to a folder is reported as such, never as a folder.
class DirectoryEntries {
 public:
  static std::vector<DirectoryEntry> Read(const std::string& folder, bool* ok = nullptr);
  // folder + "/" + name, without doubling the separator after the root.
  static std::string Join(const std::string& folder, const std::string& name);
  // The masks "*.*" and "*" match every name (dots or not); anything else is a shell pattern.
  static bool MatchesMask(const std::string& name, const std::string& mask);
};

}  // namespace tw
