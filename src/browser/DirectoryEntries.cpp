#include "browser/DirectoryEntries.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>

namespace tw {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

DirectoryEntry::Kind KindOf(const std::string& fullPath, unsigned char type) {
  struct stat info {};
  switch (type) {
    case DT_DIR:
      return DirectoryEntry::Kind::Folder;
    case DT_REG:
      return DirectoryEntry::Kind::File;
    case DT_LNK:
      if (::stat(fullPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return DirectoryEntry::Kind::LinkToFolder;
      return DirectoryEntry::Kind::File;
    case DT_UNKNOWN:
      if (::lstat(fullPath.c_str(), &info) != 0) return DirectoryEntry::Kind::File;
      if (S_ISDIR(info.st_mode)) return DirectoryEntry::Kind::Folder;
      if (S_ISLNK(info.st_mode)) return KindOf(fullPath, DT_LNK);
      return S_ISREG(info.st_mode) ? DirectoryEntry::Kind::File : DirectoryEntry::Kind::Other;
    default:
      return DirectoryEntry::Kind::Other;
  }
}

}  // namespace

std::vector<DirectoryEntry> DirectoryEntries::Read(const std::string& folder, bool* ok) {
  std::vector<DirectoryEntry> entries;
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (ok) *ok = dir != nullptr;
  if (!dir) return entries;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({name, KindOf(Join(folder, name), entry->d_type)});
  }
  return entries;
}

std::string DirectoryEntries::Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool DirectoryEntries::MatchesMask(const std::string& name, const std::string& mask) {
  if (mask.empty() || mask == "*.*" || mask == "*") return true;
  return fnmatch(mask.c_str(), name.c_str(), FNM_PERIOD) == 0;
}

}  // namespace tw
