#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "formats/presentation/PptRecords.h"

// Builders of records and whole "PowerPoint Document" streams for the reader's tests.
namespace tw::powerpoint {

using ByteVector = std::vector<uint8_t>;

inline void PutU16(ByteVector& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void PutU32(ByteVector& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out, static_cast<uint16_t>(value >> 16));
}

inline ByteVector Record(uint16_t type, uint16_t instance, uint16_t version,
                         const ByteVector& body) {
  ByteVector out;
  PutU16(out, static_cast<uint16_t>(version | (instance << 4)));
  PutU16(out, type);
  PutU32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}
inline ByteVector Atom(uint16_t type, const ByteVector& body, uint16_t instance = 0) {
  return Record(type, instance, 0, body);
}
inline ByteVector Container(uint16_t type, const std::vector<ByteVector>& children,
                            uint16_t instance = 0) {
  ByteVector body;
  for (const ByteVector& child : children) body.insert(body.end(), child.begin(), child.end());
  return Record(type, instance, 0xF, body);
}
inline ByteVector U32s(std::initializer_list<uint32_t> values) {
  ByteVector out;
  for (uint32_t value : values) PutU32(out, value);
  return out;
}
inline ByteVector Chars(std::u16string_view text) {
  ByteVector out;
  for (char16_t unit : text) PutU16(out, unit);
  return out;
}

inline ByteVector SlidePersist(uint32_t persistId) {
  return Atom(kRecordSlidePersistAtom, U32s({persistId, 0, 0, 256 + persistId, 0}));
}
inline ByteVector Fsp(uint16_t shapeKind, uint32_t flags) {
  return Record(kRecordFsp, shapeKind, 2, U32s({1024, flags}));
}
inline ByteVector TextShape(uint16_t shapeKind, const ByteVector& textbox) {
  return Container(kRecordSpContainer, {Fsp(shapeKind, 0x0A00), textbox});
}
inline ByteVector CharsBox(std::u16string_view text) {
  return Container(kRecordClientTextbox, {Atom(kRecordTextHeaderAtom, U32s({4})),
                                          Atom(kRecordTextCharsAtom, Chars(text))});
}
inline ByteVector Drawing(const std::vector<ByteVector>& shapes) {
  std::vector<ByteVector> group = {Container(kRecordSpContainer, {Fsp(0, 0x005)})};
  group.insert(group.end(), shapes.begin(), shapes.end());
  return Container(kRecordDrawing,
                   {Container(kRecordDgContainer, {Container(kRecordSpgrContainer, group)})});
}
inline ByteVector HeadersFooters(uint16_t flags, std::u16string_view footer, uint16_t instance) {
  ByteVector atom;
  PutU16(atom, 0);
  PutU16(atom, flags);
  return Container(kRecordHeadersFooters,
                   {Atom(kRecordHeadersFootersAtom, atom), Atom(kRecordCString, Chars(footer), 2)},
                   instance);
}

// Builds a "PowerPoint Document" stream persist object by persist object, then its persist
// directory and user edit, and the "Current User" stream that points at the edit.
class PptBuilder {
 public:
  uint32_t Add(const ByteVector& object) {
    offsets_.push_back(static_cast<uint32_t>(stream_.size()));
    stream_.insert(stream_.end(), object.begin(), object.end());
    return static_cast<uint32_t>(offsets_.size());  // persist ids start at 1
  }
  // Writes a persist directory for `ids` (first id and offsets) and a user edit after it.
  uint32_t AddEdit(uint32_t firstId, const std::vector<uint32_t>& offsets, uint32_t lastEdit,
                   uint32_t documentId = 1) {
    ByteVector directory;
    PutU32(directory, firstId | (static_cast<uint32_t>(offsets.size()) << 20));
    for (uint32_t offset : offsets) PutU32(directory, offset);
    const uint32_t directoryOffset = static_cast<uint32_t>(stream_.size());
    const ByteVector dirRecord = Atom(kRecordPersistDirectoryAtom, directory);
    stream_.insert(stream_.end(), dirRecord.begin(), dirRecord.end());
    const uint32_t editOffset = static_cast<uint32_t>(stream_.size());
    const ByteVector edit = Atom(
        kRecordUserEditAtom, U32s({0, 0x03000000, lastEdit, directoryOffset, documentId, 16, 1}));
    stream_.insert(stream_.end(), edit.begin(), edit.end());
    return editOffset;
  }
  ByteVector CurrentUser(uint32_t editOffset, uint32_t token = 0xE391C05F) const {
    return Atom(kRecordCurrentUserAtom, U32s({20, token, editOffset, 0}));
  }
  const std::vector<uint32_t>& Offsets() const { return offsets_; }
  ByteVector& Stream() { return stream_; }

 private:
  ByteVector stream_;
  std::vector<uint32_t> offsets_;
};

}  // namespace tw::powerpoint
