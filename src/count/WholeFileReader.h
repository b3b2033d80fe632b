#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

namespace tw {

enum class ReadStatus { Ok, OpenFailed, AllocationFailed, ReadFailed };

// One whole file in one buffer. Only regular files are opened, so a FIFO or device named like a
// document never blocks a count.
class WholeFileReader {
 public:
  ReadStatus Read(const std::string& path);
  std::span<const uint8_t> Bytes() const { return {buffer_.get(), size_}; }

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t, FreeDeleter> buffer_;
  size_t size_ = 0;
};

}  // namespace tw
