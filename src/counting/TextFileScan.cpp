#include "counting/TextFileScan.h"

#include <algorithm>
#include <new>
#include <span>
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

// Keeping the bytes is for repetitions only: a file too large for it, or for the memory left,
// is still counted, only without them.
void StopKeeping(KeptBytes& kept) {
  kept.whole = false;
  std::string().swap(kept.bytes);
}

void Keep(KeptBytes* kept, std::span<const uint8_t> piece) {
  if (kept == nullptr || !kept->whole) return;
  if (piece.size() > kept->limit - kept->bytes.size()) return StopKeeping(*kept);
  try {
    kept->bytes.append(reinterpret_cast<const char*>(piece.data()), piece.size());
  } catch (const std::bad_alloc&) {
    StopKeeping(*kept);
  }
}

void MakeRoom(KeptBytes* kept, uint64_t size) {
  if (kept == nullptr) return;
  if (size > kept->limit) return StopKeeping(*kept);
  try {
    kept->bytes.reserve(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    StopKeeping(*kept);
  }
}

// The head is read in full, so the decoding it decides does not depend on how the system
// happens to split the reads.
template <class Stream>
ReadStatus ScanOpenFile(RegularFile& file, Stream& stream, FileCounts& counts, KeptBytes* kept) {
  MakeRoom(kept, file.Size());
  const auto feed = [&stream, kept](const uint8_t* data, long length) {
    const std::span<const uint8_t> piece(data, static_cast<size_t>(length));
    Keep(kept, piece);
    stream.Feed(piece);
  };
  std::vector<uint8_t>& buffer = PieceBuffer();
  const size_t headLength =
      static_cast<size_t>(std::min<uint64_t>(file.Size() + 1, kTextHeadBytes));
  long got = file.ReadFully(buffer.data(), headLength);
  if (got < 0) return ReadStatus::ReadFailed;
  feed(buffer.data(), got);
  // A head shorter than asked for is the whole file.
  for (bool more = static_cast<size_t>(got) == headLength; more;) {
    got = file.ReadSome(buffer.data(), kTextPieceBytes);
    if (got < 0) return ReadStatus::ReadFailed;
    more = got > 0;
    feed(buffer.data(), got);
  }
  counts = stream.Finish();
  return ReadStatus::Ok;
}

template <class Stream>
ReadStatus ScanFile(const std::string& path, Stream& stream, FileCounts& counts, KeptBytes* kept) {
  counts = FileCounts{};
  RegularFile file;
  if (!file.Open(path)) return ReadStatus::OpenFailed;
  return ScanOpenFile(file, stream, counts, kept);
}

}  // namespace

ReadStatus ScanTextFile(const std::string& path, TextRules rules, FileCounts& counts,
                        KeptBytes* kept) {
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  return ScanFile(path, stream, counts, kept);
}

ReadStatus ScanTextFile(RegularFile& file, TextRules rules, FileCounts& counts, KeptBytes* kept) {
  counts = FileCounts{};
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  return ScanOpenFile(file, stream, counts, kept);
}

ReadStatus ScanHtmlFile(RegularFile& file, bool legacyByteRules, FileCounts& counts,
                        KeptBytes* kept) {
  counts = FileCounts{};
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  return ScanOpenFile(file, stream, counts, kept);
}

ReadStatus ScanHtmlFile(const std::string& path, bool legacyByteRules, FileCounts& counts,
                        KeptBytes* kept) {
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  return ScanFile(path, stream, counts, kept);
}

ReadStatus ScanTextFileByProfile(const std::string& path, CountProfile profile, FileCounts& counts,
                                 KeptBytes* kept) {
  TextScanStream<ProfileTextPolicy> stream(ProfileTextPolicy{profile}, false);
  return ScanFile(path, stream, counts, kept);
}

}  // namespace tw
