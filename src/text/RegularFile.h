#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tw {

// An open regular file, read-only. FIFOs, devices and folders are refused, so a pipe named like a
// document never blocks a count.
class RegularFile {
 public:
  RegularFile() = default;
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool Open(const std::string& path);
  // Why Open refuses the path, in the system's words ("No such file or directory", "Permission
  // denied", "Is a directory"); empty when it opens now.
  static std::string OpenFailureReason(const std::string& path);
  uint64_t Size() const { return size_; }
  // Reads up to `length` bytes; returns the count (0 at the end) or -1 on an error.
  long ReadSome(uint8_t* target, size_t length);
  // Fills `target` as far as the file goes; returns the count or -1 on an error.
  long ReadFully(uint8_t* target, size_t length);
  // Fills `target` from `offset` on as far as the file goes, without moving the read position;
  // threads may call it at once. Returns the count or -1 on an error.
  long ReadAt(uint8_t* target, size_t length, uint64_t offset) const;
  bool Rewind();
  // For mapping the file; the file keeps it.
  int Descriptor() const { return fd_; }

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

}  // namespace tw
