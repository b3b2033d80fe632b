#pragma once

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <span>

#include "text/RegularFile.h"

namespace tw {

// A stretch of a regular file mapped for reading, its pages mapped at once. A large text is read
// faster this way than copied out piece by piece, and its memory stays that of one window.
//
// Another program may shrink the file while it is mapped; reading a page past its new end would
// kill the process with a bus error. Such a page reads as zeros instead, and Lost() tells the
// reader to throw away what it counted. Only the thread that mapped a window is covered when it
// reads it, and a thread maps one window at a time.
class MappedFileWindow {
 public:
  MappedFileWindow() = default;
  ~MappedFileWindow();
  MappedFileWindow(const MappedFileWindow&) = delete;
  MappedFileWindow& operator=(const MappedFileWindow&) = delete;

  // Maps `length` bytes from `offset` on, which need not fall on a page. False when the file
  // cannot be mapped (a file system without mappings, no address space left): read it instead.
  bool Map(const RegularFile& file, uint64_t offset, size_t length);
  std::span<const uint8_t> Bytes() const { return {mapping_ + skipped_, length_}; }
  // Whether some of the window vanished while it was mapped, so that it read zeros there.
  bool Lost() const { return lost_ != 0; }

 private:
  void Unmap();

  uint8_t* mapping_ = nullptr;
  size_t mappedLength_ = 0;
  size_t skipped_ = 0;  // from the page's start to `offset`
  size_t length_ = 0;
  volatile std::sig_atomic_t lost_ = 0;
};

}  // namespace tw
