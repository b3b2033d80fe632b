#pragma once

#include <QTest>
#include <filesystem>
#include <string>

#include "browser/FileList.h"
#include "support/TempDir.h"

namespace tw::test {

// A temporary folder tree for browser tests: files and folders made by relative path.
class BrowserTestTree {
 public:
  std::string Root() const { return dir_.Path().string(); }
  std::string File(const std::string& relative, const std::string& bytes = "x") const {
    return dir_.Write(relative, bytes);
  }
  std::string Folder(const std::string& relative) const {
    const std::filesystem::path path = dir_.Path() / relative;
    std::filesystem::create_directories(path);
    return path.string();
  }
  std::string PathOf(const std::string& relative) const {
    return (dir_.Path() / relative).string();
  }

 private:
  TempDir dir_;
};

// Lets the file list's running listing deliver its rows; false when it has not ended in time.
inline bool ListingEnds(const FileList& list) {
  return QTest::qWaitFor([&list] { return !list.IsListing(); }, 10'000);
}

}  // namespace tw::test
