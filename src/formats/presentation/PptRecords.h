#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tw::powerpoint {

using Bytes = std::span<const uint8_t>;

// Record types of the binary presentation format that the reader walks.
enum PptRecordType : uint16_t {
  kRecordDocument = 0x03E8,
  kRecordDocumentAtom = 0x03E9,
  kRecordSlide = 0x03EE,
  kRecordSlideAtom = 0x03EF,
  kRecordNotes = 0x03F0,
  kRecordSlidePersistAtom = 0x03F3,
  kRecordMainMaster = 0x03F8,
  kRecordSlideShowSlideInfoAtom = 0x03F9,
  kRecordDrawing = 0x040C,
  kRecordRoundTripHeaderFooterAtom = 0x0420,
  kRecordPlaceholderAtom = 0x0BC3,
  kRecordBinaryTagData = 0x138B,
  kRecordOutlineTextRefAtom = 0x0F9E,
  kRecordTextHeaderAtom = 0x0F9F,
  kRecordTextCharsAtom = 0x0FA0,
  kRecordTextBytesAtom = 0x0FA8,
  kRecordCString = 0x0FBA,
  kRecordHeadersFooters = 0x0FD9,
  kRecordHeadersFootersAtom = 0x0FDA,
  kRecordSlideListWithText = 0x0FF0,
  kRecordUserEditAtom = 0x0FF5,
  kRecordCurrentUserAtom = 0x0FF6,
  kRecordPersistDirectoryAtom = 0x1772,
  kRecordComment10 = 0x2EE0,
  kRecordDgContainer = 0xF002,
  kRecordSpgrContainer = 0xF003,
  kRecordSpContainer = 0xF004,
  kRecordFsp = 0xF00A,
  kRecordClientTextbox = 0xF00D,
  kRecordClientData = 0xF011,
};

// One record: its header and its body, which always lies inside the bytes it was read from.
struct PptRecord {
  uint16_t version = 0;
  uint16_t instance = 0;
  uint16_t type = 0;
  Bytes body;
};

// The record at `offset`, or nothing when its header or body runs past the end of `bytes`.
std::optional<PptRecord> ReadPptRecord(Bytes bytes, uint64_t offset);

// The records that follow one another in `bytes` (a container's body), up to the first one
// that does not fit.
std::vector<PptRecord> ReadPptChildren(Bytes bytes);

// The first child of that type (and instance, when given).
std::optional<PptRecord> FindPptChild(Bytes bytes, uint16_t type,
                                      std::optional<uint16_t> instance = std::nullopt);

// Little-endian fields of a body; 0 when the field lies beyond its end.
uint32_t ReadU32(Bytes bytes, size_t offset);
uint16_t ReadU16(Bytes bytes, size_t offset);

// The text of a TextCharsAtom (UTF-16LE) or TextBytesAtom (the low bytes of UTF-16 units).
std::u16string TextOfCharsAtom(Bytes body);
std::u16string TextOfBytesAtom(Bytes body);

}  // namespace tw::powerpoint
