#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace tw {

// A .doc file that cannot be read; the message says why, for the user.
class DocError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Little-endian reads from one stream of a .doc file. Every offset comes from the file itself,
// so every read is bounded: one past the end is a damaged file, never a read out of bounds.
class DocBytes {
 public:
  explicit DocBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Size() const { return bytes_.size(); }
  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  uint8_t U8(uint64_t offset) const {
    Require(offset, 1);
    return bytes_[offset];
  }
  uint16_t U16(uint64_t offset) const {
    Require(offset, 2);
    return static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  uint32_t U32(uint64_t offset) const {
    Require(offset, 4);
    return static_cast<uint32_t>(bytes_[offset]) |
           (static_cast<uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<uint32_t>(bytes_[offset + 2]) << 16) |
           (static_cast<uint32_t>(bytes_[offset + 3]) << 24);
  }
  std::span<const uint8_t> Slice(uint64_t offset, uint64_t length) const {
    Require(offset, length);
    return bytes_.subspan(offset, length);
  }

 private:
  void Require(uint64_t offset, uint64_t length) const {
    if (!Contains(offset, length))
      throw DocError("The document is damaged (a record lies outside its stream)");
  }

  std::span<const uint8_t> bytes_;
};

}  // namespace tw
