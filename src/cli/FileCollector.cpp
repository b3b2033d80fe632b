#include "cli/FileCollector.h"

#include <algorithm>
#include <filesystem>

#include "counting/FileTypes.h"

namespace tw::cli {
namespace fs = std::filesystem;

namespace {

// Links to folders are not followed, so a link loop cannot walk forever. A folder that cannot be
// read is reported and the walk goes on with the others: a count that silently left files out
// would read as complete.
void WalkFolder(const std::string& top, CollectedFiles& collected) {
  std::vector<std::string> found;
  std::vector<fs::path> pending{top};
  while (!pending.empty()) {
    const fs::path folder = std::move(pending.back());
    pending.pop_back();
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
      std::error_code statusError;
      if (it->is_directory(statusError) && !it->is_symlink(statusError)) {
        pending.push_back(it->path());
      } else if (it->is_regular_file(statusError) && BatchKindOfPath(it->path().string())) {
        found.push_back(it->path().string());
      }
    }
    if (error) collected.errors.push_back(folder.string() + ": " + error.message());
  }
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
