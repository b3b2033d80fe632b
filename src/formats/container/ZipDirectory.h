#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "text/RegularFile.h"

namespace tw {

// One entry of a ZIP archive's central directory.
struct ZipEntry {
  std::string name;
  uint64_t compressedSize = 0;
  uint64_t size = 0;
  uint64_t localHeaderOffset = 0;
  uint32_t crc = 0;
  uint16_t method = 0;
  uint16_t flags = 0;

  bool Encrypted() const { return (flags & 1) != 0; }
};

// The little-endian field of `width` bytes at `at` of `bytes` (the caller checks the bounds).
inline uint64_t LittleEndianField(const uint8_t* bytes, size_t at, size_t width) {
  uint64_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | bytes[at + i];
  return value;
}

// The central directory of the ZIP archive in `file`, ZIP64 included. Throws ContainerError
// ("not a readable ZIP package (...)") when the file has none or it is damaged.
std::vector<ZipEntry> ReadZipDirectory(const RegularFile& file);

}  // namespace tw
