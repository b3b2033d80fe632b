#include "counting/TextFileScan.h"

#include <algorithm>
#include <vector>

#include "counting/ProfileTextPolicy.h"
#include "text/RegularFile.h"
#include "text/TextDecoding.h"

namespace tw {
namespace {

// After the head, the file is read in pieces that stay in the processor's cache between the
// copy out of the page cache and the scan: with pieces of a megabyte, the copy alone took a
// third of the time.
constexpr size_t kTextPieceBytes = size_t{128} << 10;

// One buffer per thread, kept from file to file: a small file costs no allocation.
std::vector<uint8_t>& PieceBuffer() {
  thread_local std::vector<uint8_t> buffer(kTextHeadBytes);
  return buffer;
}

// The head is read in full, so the decoding it decides does not depend on how the system
// happens to split the reads.
template <class Stream>
ReadStatus ScanOpenFile(RegularFile& file, Stream& stream, FileCounts& counts) {
  std::vector<uint8_t>& buffer = PieceBuffer();
  const size_t headLength =
      static_cast<size_t>(std::min<uint64_t>(file.Size() + 1, kTextHeadBytes));
  long got = file.ReadFully(buffer.data(), headLength);
  if (got < 0) return ReadStatus::ReadFailed;
  stream.Feed({buffer.data(), static_cast<size_t>(got)});
  // A head shorter than asked for is the whole file.
  for (bool more = static_cast<size_t>(got) == headLength; more;) {
    got = file.ReadSome(buffer.data(), kTextPieceBytes);
    if (got < 0) return ReadStatus::ReadFailed;
    more = got > 0;
    stream.Feed({buffer.data(), static_cast<size_t>(got)});
  }
  counts = stream.Finish();
  return ReadStatus::Ok;
}

template <class Stream>
ReadStatus ScanFile(const std::string& path, Stream& stream, FileCounts& counts) {
  counts = FileCounts{};
  RegularFile file;
  if (!file.Open(path)) return ReadStatus::OpenFailed;
  return ScanOpenFile(file, stream, counts);
}

}  // namespace

ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts) {
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  return ScanFile(path, stream, counts);
}

ReadStatus ScanTextFile(RegularFile& file, TextRules rules, FileCounts& counts) {
  counts = FileCounts{};
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  return ScanOpenFile(file, stream, counts);
}

ReadStatus ScanHtmlFile(RegularFile& file, bool legacyByteRules, FileCounts& counts) {
  counts = FileCounts{};
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  return ScanOpenFile(file, stream, counts);
}

ReadStatus ScanHtmlFile(const std::string& path, bool legacyByteRules, FileCounts& counts) {
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  return ScanFile(path, stream, counts);
}

ReadStatus ScanTextFileByProfile(const std::string& path, CountProfile profile,
                                 FileCounts& counts) {
  TextScanStream<ProfileTextPolicy> stream(ProfileTextPolicy{profile}, false);
  return ScanFile(path, stream, counts);
}

}  // namespace tw
