#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

namespace tw {

class RegularFile;

enum class ReadStatus { Ok, OpenFailed, AllocationFailed, ReadFailed };

// One whole file in one buffer, read in one go. Only regular files are opened.
class WholeFileReader {
 public:
  ReadStatus Read(const std::string& path);
  // Reads the rest of an open file from its current position.
  ReadStatus Read(RegularFile& file);
  std::span<const uint8_t> Bytes() const { return {buffer_.get(), size_}; }

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t, FreeDeleter> buffer_;
  size_t size_ = 0;
};

}  // namespace tw
