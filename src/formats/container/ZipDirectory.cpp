#include "formats/container/ZipDirectory.h"

#include <algorithm>
#include <cstring>

#include "formats/container/ContainerError.h"

namespace tw {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr size_t kEndBytes = 22;
constexpr size_t kZip64LocatorBytes = 20;
constexpr size_t kZip64EndBytes = 56;
constexpr size_t kEntryBytes = 46;
constexpr size_t kMaxCommentBytes = 0xFFFF;
// A directory larger than this is no document's: refused rather than read into memory.
constexpr uint64_t kMaxDirectoryBytes = uint64_t{64} << 20;

[[noreturn]] void Refuse(const std::string& reason) {
  throw ContainerError("not a readable ZIP package (" + reason + ")");
}

// Little-endian fields read from a byte buffer, refusing any read past its end.
class Fields {
 public:
  Fields(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  void Require(size_t at, size_t length) const {
    if (at > size_ || length > size_ - at) Refuse("damaged central directory");
  }
  uint64_t Get(size_t at, size_t width) const {
    Require(at, width);
    return LittleEndianField(data_, at, width);
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

std::vector<uint8_t> ReadAt(const RegularFile& file, uint64_t offset, uint64_t length) {
  if (offset > file.Size() || length > file.Size() - offset) Refuse("damaged central directory");
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (file.ReadAt(bytes.data(), bytes.size(), offset) != static_cast<long>(bytes.size())) {
    Refuse("Read error");
  }
  return bytes;
}

struct DirectoryPlace {
  uint64_t offset = 0, size = 0, entries = 0;
};

// The ZIP64 end record that a locator just before the end record points to, when the end
// record's fields overflowed.
DirectoryPlace Zip64Place(const RegularFile& file, uint64_t endOffset) {
  if (endOffset < kZip64LocatorBytes) Refuse("damaged ZIP64 end record");
  const std::vector<uint8_t> locator =
      ReadAt(file, endOffset - kZip64LocatorBytes, kZip64LocatorBytes);
  const Fields l(locator.data(), locator.size());
  if (l.Get(0, 4) != kZip64LocatorSignature) Refuse("damaged ZIP64 end record");
  const std::vector<uint8_t> end = ReadAt(file, l.Get(8, 8), kZip64EndBytes);
  const Fields e(end.data(), end.size());
  if (e.Get(0, 4) != kZip64EndSignature) Refuse("damaged ZIP64 end record");
  return {e.Get(48, 8), e.Get(40, 8), e.Get(32, 8)};
}

// The end record is the last "PK\5\6" in the file's tail whose comment ends within the file.
DirectoryPlace FindDirectory(const RegularFile& file) {
  const uint64_t tailLength = std::min<uint64_t>(file.Size(), kEndBytes + kMaxCommentBytes);
  if (tailLength < kEndBytes) Refuse("Not a zip archive");
  const uint64_t tailOffset = file.Size() - tailLength;
  const std::vector<uint8_t> tail = ReadAt(file, tailOffset, tailLength);
  const Fields t(tail.data(), tail.size());
  for (size_t at = tail.size() - kEndBytes + 1; at-- > 0;) {
    if (t.Get(at, 4) != kEndSignature) continue;
    if (at + kEndBytes + t.Get(at + 20, 2) > tail.size()) continue;
    DirectoryPlace place{t.Get(at + 16, 4), t.Get(at + 12, 4), t.Get(at + 10, 2)};
    if (place.entries == 0xFFFF || place.size == 0xFFFFFFFF || place.offset == 0xFFFFFFFF) {
      place = Zip64Place(file, tailOffset + at);
    }
    return place;
  }
  Refuse("Not a zip archive");
}

// Sizes and the offset that overflowed 32 bits, from the entry's ZIP64 extra field.
void ApplyZip64Extra(const Fields& f, size_t from, size_t length, ZipEntry& entry) {
  for (size_t at = from; at + 4 <= from + length;) {
    const uint64_t id = f.Get(at, 2);
    const uint64_t size = f.Get(at + 2, 2);
    if (id == 1) {
      size_t field = at + 4;
      for (uint64_t* value : {&entry.size, &entry.compressedSize, &entry.localHeaderOffset}) {
        if (*value != 0xFFFFFFFF) continue;
        *value = f.Get(field, 8);
        field += 8;
      }
      return;
    }
    at += 4 + size;
  }
}

}  // namespace

std::vector<ZipEntry> ReadZipDirectory(const RegularFile& file) {
  const DirectoryPlace place = FindDirectory(file);
  if (place.size > kMaxDirectoryBytes) Refuse("central directory too large");
  const std::vector<uint8_t> directory = ReadAt(file, place.offset, place.size);
  const Fields f(directory.data(), directory.size());
  std::vector<ZipEntry> entries;
  entries.reserve(static_cast<size_t>(std::min<uint64_t>(place.entries, place.size / kEntryBytes)));
  for (size_t at = 0; at + kEntryBytes <= directory.size() && entries.size() < place.entries;) {
    if (f.Get(at, 4) != kEntrySignature) Refuse("damaged central directory");
    ZipEntry entry;
    entry.flags = static_cast<uint16_t>(f.Get(at + 8, 2));
    entry.method = static_cast<uint16_t>(f.Get(at + 10, 2));
    entry.crc = static_cast<uint32_t>(f.Get(at + 16, 4));
    entry.compressedSize = f.Get(at + 20, 4);
    entry.size = f.Get(at + 24, 4);
    const size_t nameLength = static_cast<size_t>(f.Get(at + 28, 2));
    const size_t extraLength = static_cast<size_t>(f.Get(at + 30, 2));
    const size_t commentLength = static_cast<size_t>(f.Get(at + 32, 2));
    entry.localHeaderOffset = f.Get(at + 42, 4);
    f.Require(at + kEntryBytes, nameLength + extraLength + commentLength);
    entry.name.assign(reinterpret_cast<const char*>(&directory[at + kEntryBytes]), nameLength);
    ApplyZip64Extra(f, at + kEntryBytes + nameLength, extraLength, entry);
    entries.push_back(std::move(entry));
    at += kEntryBytes + nameLength + extraLength + commentLength;
  }
  return entries;
}

}  // namespace tw
