#include "counting/TextFileScan.h"

#include <vector>

#include "text/RegularFile.h"
#include "text/TextDecoding.h"

namespace tw {
namespace {

constexpr size_t kChunkBytes = size_t{4} << 20;

enum class StreamResult { Counted, NeedsWholeFile, ReadFailed };

// Scans the file chunk by chunk while it stays plain ASCII. The last byte of each chunk is carried
// into the next one, because whether it ends a word depends on the byte after it.
StreamResult ScanAsciiStream(RegularFile& file, bool extraSymbolsAsWords, FileCounts& counts) {
  std::vector<uint8_t> buffer(kChunkBytes + 1);
  size_t carried = 0;
  for (;;) {
    const long got = file.ReadSome(buffer.data() + carried, kChunkBytes);
    if (got < 0) return StreamResult::ReadFailed;
    const size_t filled = carried + static_cast<size_t>(got);
    const std::span<const uint8_t> fresh(buffer.data() + carried, static_cast<size_t>(got));
    // Byte-order marks and every other reason to decode start with a byte above 0x7F.
    if (!IsAscii(fresh)) return StreamResult::NeedsWholeFile;
    if (got == 0) {
      counts += ScanBytes({buffer.data(), filled}, extraSymbolsAsWords);
      return StreamResult::Counted;
    }
    counts +=
        ScanBytesFollowedBy({buffer.data(), filled - 1}, buffer[filled - 1], extraSymbolsAsWords);
    buffer[0] = buffer[filled - 1];
    carried = 1;
  }
}

ReadStatus ScanWholeFile(RegularFile& file, TextRules rules, FileCounts& counts) {
  WholeFileReader reader;
  const ReadStatus status = reader.Read(file);
  if (status == ReadStatus::Ok) counts = ScanPlainText(reader.Bytes(), rules);
  return status;
}

}  // namespace

ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts) {
  counts = FileCounts{};
  RegularFile file;
  if (!file.Open(path)) return ReadStatus::OpenFailed;
  if (rules.legacyByteRules) return ScanWholeFile(file, rules, counts);
  switch (ScanAsciiStream(file, rules.extraSymbolsAsWords, counts)) {
    case StreamResult::Counted:
      return ReadStatus::Ok;
    case StreamResult::ReadFailed:
      return ReadStatus::ReadFailed;
    case StreamResult::NeedsWholeFile:
      break;
  }
  counts = FileCounts{};
  if (!file.Rewind()) return ReadStatus::ReadFailed;
  return ScanWholeFile(file, rules, counts);
}

}  // namespace tw
