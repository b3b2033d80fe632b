#include "cli/FileCollector.h"

#include <algorithm>
#include <filesystem>

#include "counting/FileTypes.h"

namespace tw::cli {
namespace fs = std::filesystem;

namespace {

void WalkFolder(const std::string& folder, CollectedFiles& collected) {
  std::vector<std::string> found;
  std::error_code error;
  // Unreadable folders are skipped rather than ending the walk.
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError)) continue;
    const std::string path = it->path().string();
    if (BatchKindOfPath(path)) found.push_back(path);
  }
  if (error) collected.errors.push_back(folder + ": " + error.message());
  std::sort(found.begin(), found.end());
  collected.files.insert(collected.files.end(), found.begin(), found.end());
}

}  // namespace

CollectedFiles CollectFiles(const std::vector<std::string>& paths, bool recursive) {
  CollectedFiles collected;
  for (const std::string& path : paths) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
      if (recursive) {
        WalkFolder(path, collected);
      } else {
        collected.errors.push_back(path + ": is a folder (use -r to count the files in it)");
      }
      continue;
    }
    // Anything else is listed as given; a missing file is reported by its counter.
    collected.files.push_back(path);
  }
  return collected;
}

}  // namespace tw::cli
