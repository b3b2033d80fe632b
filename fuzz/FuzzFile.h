#pragma once

// A temporary file named for this process and fuzz target, removed when the run ends, for
// readers that take a path.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace tw::fuzz {

class FuzzFile {
 public:
  explicit FuzzFile(const std::string& name)
      : path_("/tmp/" + name + "_" + std::to_string(getpid())) {}
  ~FuzzFile() { std::remove(path_.c_str()); }
  FuzzFile(const FuzzFile&) = delete;
  FuzzFile& operator=(const FuzzFile&) = delete;

  // Writes the input; false when the file cannot be written.
  bool Write(const uint8_t* data, size_t size) const {
    FILE* out = std::fopen(path_.c_str(), "wb");
    if (!out) return false;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    return true;
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tw::fuzz
