#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tw::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to the file `name` inside the folder and returns its full path.
  std::string Write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
std::string FixturePath(const std::string& relative);

}  // namespace tw::test
