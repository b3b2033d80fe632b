#include "cli/PathListReader.h"

namespace tw::cli {

std::vector<std::string> ReadPathList(std::istream& in, bool nulSeparated) {
  const char separator = nulSeparated ? '\0' : '\n';
  std::vector<std::string> paths;
  std::string entry;
  while (std::getline(in, entry, separator)) {
    if (!nulSeparated && !entry.empty() && entry.back() == '\r') entry.pop_back();
    if (!entry.empty()) paths.push_back(entry);
  }
  return paths;
}

std::vector<std::string> ExpandPathLists(const std::vector<std::string>& paths, std::istream& in,
                                         bool nulSeparated) {
  std::vector<std::string> expanded;
  for (const std::string& path : paths) {
    if (path != "-") {
      expanded.push_back(path);
      continue;
    }
    const std::vector<std::string> listed = ReadPathList(in, nulSeparated);
    expanded.insert(expanded.end(), listed.begin(), listed.end());
  }
  return expanded;
}

}  // namespace tw::cli
