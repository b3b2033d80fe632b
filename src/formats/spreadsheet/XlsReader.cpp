#include "formats/spreadsheet/XlsReader.h"

#include <vector>

#include "formats/ReadResult.h"
#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"

namespace tw {
namespace {

enum RecordType : uint16_t {
  kEof = 0x000A,
  kFilePass = 0x002F,
  kContinue = 0x003C,
  kBoundSheet = 0x0085,
  kSst = 0x00FC,
  kLabelSst = 0x00FD,
};

struct Record {
  uint16_t type = 0;
  std::span<const uint8_t> data;
};

uint16_t U16(std::span<const uint8_t> d, size_t at) {
  return at + 2 <= d.size() ? static_cast<uint16_t>(d[at] | d[at + 1] << 8) : 0;
}

uint32_t U32(std::span<const uint8_t> d, size_t at) {
  return at + 4 <= d.size() ? static_cast<uint32_t>(U16(d, at) | uint32_t{U16(d, at + 2)} << 16)
                            : 0;
}

// The records of the stream from `offset` on, up to the end of the substream or the stream.
class RecordReader {
 public:
  RecordReader(std::span<const uint8_t> stream, size_t offset) : stream_(stream), at_(offset) {}

  bool Next(Record& record) {
    if (at_ + 4 > stream_.size()) return false;
    record.type = U16(stream_, at_);
    const size_t length = U16(stream_, at_ + 2);
    if (at_ + 4 + length > stream_.size()) throw ContainerError("a record runs past the stream");
    record.data = stream_.subspan(at_ + 4, length);
    at_ += 4 + length;
    return true;
  }
  // The type of the record Next would return, or 0 at the end.
  uint16_t PeekType() const { return at_ + 4 <= stream_.size() ? U16(stream_, at_) : 0; }

 private:
  std::span<const uint8_t> stream_;
  size_t at_;
};

// Reads the shared string table across its CONTINUE records. A string's characters may break at
// a record boundary, where a new option byte says whether they go on in one or two bytes each.
class SstReader {
 public:
  explicit SstReader(std::vector<std::span<const uint8_t>> parts) : parts_(std::move(parts)) {}

  std::vector<std::u16string> Read() {
    std::vector<std::u16string> strings;
    Skip(8);  // total and unique counts
    while (!AtEnd()) strings.push_back(String());
    return strings;
  }

 private:
  bool AtEnd() {
    while (part_ < parts_.size() && at_ >= parts_[part_].size()) NextPart();
    return part_ >= parts_.size();
  }
  void NextPart() {
    ++part_;
    at_ = 0;
  }
  uint8_t Byte() {
    if (AtEnd()) throw ContainerError("the shared string table ends inside a string");
    return parts_[part_][at_++];
  }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t DoubleWord() { return Word() | uint32_t{Word()} << 16; }
  void Skip(size_t count) {
    for (size_t i = 0; i < count; ++i) Byte();
  }

  std::u16string String() {
    const uint16_t length = Word();
    const uint8_t options = Byte();
    bool wide = (options & 0x01) != 0;
    const uint16_t runs = (options & 0x08) != 0 ? Word() : 0;
    const uint32_t phonetic = (options & 0x04) != 0 ? DoubleWord() : 0;
    std::u16string text;
    text.reserve(length);
    for (uint16_t i = 0; i < length; ++i) {
      if (part_ < parts_.size() && at_ >= parts_[part_].size()) {
        NextPart();
        wide = (Byte() & 0x01) != 0;
      }
      text.push_back(wide ? static_cast<char16_t>(Word()) : static_cast<char16_t>(Byte()));
    }
    Skip(size_t{runs} * 4 + phonetic);
    return text;
  }

  std::vector<std::span<const uint8_t>> parts_;
  size_t part_ = 0;
  size_t at_ = 0;
};

struct Sheet {
  uint32_t offset = 0;
  bool hidden = false;
};

struct Globals {
  std::vector<Sheet> sheets;
  std::vector<std::u16string> strings;
};

Globals ReadGlobals(std::span<const uint8_t> stream) {
  Globals globals;
  RecordReader records(stream, 0);
  Record record;
  while (records.Next(record) && record.type != kEof) {
    if (record.type == kFilePass) {
      throw ReaderError("The workbook is password-protected", ReaderError::Cause::NeedsPassword);
    }
    if (record.type == kBoundSheet && record.data.size() >= 6) {
      // Only worksheets (type 0) hold cells; charts and macro sheets do not.
      if (record.data[5] == 0) {
        globals.sheets.push_back({U32(record.data, 0), (record.data[4] & 0x03) != 0});
      }
    }
    if (record.type == kSst) {
      std::vector<std::span<const uint8_t>> parts = {record.data};
      while (records.PeekType() == kContinue && records.Next(record)) parts.push_back(record.data);
      globals.strings = SstReader(std::move(parts)).Read();
    }
  }
  return globals;
}

}  // namespace

Document ParseXlsWorkbook(std::span<const uint8_t> stream) {
  const Globals globals = ReadGlobals(stream);
  Document document;
  int index = 0;
  for (const Sheet& sheet : globals.sheets) {
    RecordReader records(stream, sheet.offset);
    Record record;
    while (records.Next(record) && record.type != kEof) {
      if (record.type != kLabelSst) continue;
      const uint32_t string = U32(record.data, 6);
      if (string >= globals.strings.size() || globals.strings[string].empty()) continue;
      document.Add(PieceKind::SheetCell, globals.strings[string], index).hidden = sheet.hidden;
    }
    ++index;
  }
  return document;
}

Document ReadXlsDocument(const std::string& path) {
  const CompoundFile file(path);
  const char* name = file.HasStream("Workbook") ? "Workbook" : "Book";
  const std::vector<uint8_t> stream = file.ReadStream(name);
  try {
    return ParseXlsWorkbook(stream);
  } catch (const ReaderError& error) {
    throw ReaderError(error.Reason() + ": " + path, error.GetCause());
  }
}

}  // namespace tw
