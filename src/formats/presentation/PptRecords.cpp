#include "formats/presentation/PptRecords.h"

namespace tw::powerpoint {

namespace {
constexpr size_t kHeaderSize = 8;
}  // namespace

std::optional<PptRecord> ReadPptRecord(Bytes bytes, uint64_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < kHeaderSize) return std::nullopt;
  const Bytes header = bytes.subspan(static_cast<size_t>(offset), kHeaderSize);
  const uint16_t versionAndInstance = ReadU16(header, 0);
  const uint32_t length = ReadU32(header, 4);
  const size_t bodyStart = static_cast<size_t>(offset) + kHeaderSize;
  if (length > bytes.size() - bodyStart) return std::nullopt;
  PptRecord record;
  record.version = versionAndInstance & 0x000F;
  record.instance = static_cast<uint16_t>(versionAndInstance >> 4);
  record.type = ReadU16(header, 2);
  record.body = bytes.subspan(bodyStart, length);
  return record;
}

std::vector<PptRecord> ReadPptChildren(Bytes bytes) {
  std::vector<PptRecord> children;
  size_t offset = 0;
  while (std::optional<PptRecord> record = ReadPptRecord(bytes, offset)) {
    offset += kHeaderSize + record->body.size();
    children.push_back(*record);
  }
  return children;
}

std::optional<PptRecord> FindPptChild(Bytes bytes, uint16_t type,
                                      std::optional<uint16_t> instance) {
  size_t offset = 0;
  while (std::optional<PptRecord> record = ReadPptRecord(bytes, offset)) {
    if (record->type == type && (!instance || record->instance == *instance)) return record;
    offset += kHeaderSize + record->body.size();
  }
  return std::nullopt;
}

uint32_t ReadU32(Bytes bytes, size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 4) return 0;
  return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

uint16_t ReadU16(Bytes bytes, size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return 0;
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::u16string TextOfCharsAtom(Bytes body) {
  std::u16string text(body.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(ReadU16(body, 2 * i));
  return text;
}

std::u16string TextOfBytesAtom(Bytes body) {
  return std::u16string(body.begin(), body.end());
}

}  // namespace tw::powerpoint
