#include "counting/TextFileParts.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "text/MappedFileWindow.h"
#include "text/TextDecoding.h"

namespace tw {
namespace {

// How far past an even share the cut may go looking for its byte (a text's lines can be long),
// a window at a time.
constexpr uint64_t kCutSearchBytes = uint64_t{4} << 20;
constexpr size_t kCutWindowBytes = size_t{64} << 10;
// Small enough to stay in the processor's cache while every reading of the text goes over it.
constexpr size_t kPartBufferBytes = size_t{128} << 10;
// The last part reads on to the file's end, however far it grew by now.
constexpr uint64_t kFileEnd = UINT64_MAX;

// Mapped a window at a time, so that a part's memory stays that of one window.
constexpr size_t kWindowBytes = size_t{8} << 20;

// Feeds `stream` the bytes from `from` up to `to` that the file had when it was opened, mapped
// and handed over in cache-sized pieces; returns where it stopped, or nothing when a window lost
// pages to a file that shrank meanwhile. A file that cannot be mapped stops it at `from`.
template <class Stream>
std::optional<uint64_t> FeedMapped(const RegularFile& file, uint64_t from, uint64_t to,
                                   Stream& stream) {
  const uint64_t end = std::min(to, file.Size());
  MappedFileWindow window;
  while (from < end) {
    const size_t length = static_cast<size_t>(std::min<uint64_t>(kWindowBytes, end - from));
    if (!window.Map(file, from, length)) break;
    const std::span<const uint8_t> bytes = window.Bytes();
    for (size_t done = 0; done < bytes.size(); done += kPartBufferBytes) {
      stream.Feed(bytes.subspan(done, std::min(kPartBufferBytes, bytes.size() - done)));
    }
    if (window.Lost()) return std::nullopt;
    from += length;
  }
  return from;
}

// Feeds `stream` the bytes from `from` up to `to`; false on a read error.
template <class Stream>
bool FeedPart(const RegularFile& file, uint64_t from, uint64_t to, Stream& stream) {
  const std::optional<uint64_t> mappedTo = FeedMapped(file, from, to, stream);
  if (!mappedTo) return false;
  std::vector<uint8_t> buffer(kPartBufferBytes);
  for (uint64_t offset = *mappedTo;;) {
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(buffer.size(), to - offset));
    if (wanted == 0) return true;
    const long got = file.ReadAt(buffer.data(), wanted, offset);
    if (got < 0) return false;
    stream.Feed({buffer.data(), static_cast<size_t>(got)});
    offset += static_cast<uint64_t>(got);
    if (static_cast<size_t>(got) < wanted) return true;  // the file ended early
  }
}

// Where the first `cutAfter` byte at or past `from` lies, searched up to kCutSearchBytes on.
std::optional<uint64_t> Find(const RegularFile& file, uint64_t from, uint8_t cutAfter) {
  std::vector<uint8_t> window(kCutWindowBytes);
  for (uint64_t offset = from; offset < from + kCutSearchBytes; offset += window.size()) {
    const long got = file.ReadAt(window.data(), window.size(), offset);
    if (got <= 0) return std::nullopt;
    const auto end = window.begin() + got;
    const auto found = std::find(window.begin(), end, cutAfter);
    if (found != end) return offset + static_cast<uint64_t>(found - window.begin());
  }
  return std::nullopt;
}

// Just after the first `cutAfter` byte at or past each of `parts` - 1 even shares of the file; a
// share without one close by gets no cut.
std::vector<uint64_t> Cuts(const RegularFile& file, uint64_t parts, uint8_t cutAfter) {
  std::vector<uint64_t> cuts;
  for (uint64_t share = 1; share < parts; ++share) {
    const uint64_t nominal = file.Size() / parts * share;
    if (!cuts.empty() && nominal < cuts.back()) continue;
    const std::optional<uint64_t> found = Find(file, nominal, cutAfter);
    if (found && *found + 1 < file.Size()) cuts.push_back(*found + 1);
  }
  return cuts;
}

template <class Stream>
struct Part {
  Stream stream;
  uint64_t from = 0;
  uint64_t to = 0;  // kFileEnd for the last part
  bool readFailed = false;
};

// Counts every part on a thread of its own, the first on this one.
template <class Stream>
void ScanParts(const RegularFile& file, std::vector<Part<Stream>>& parts) {
  const auto scan = [&file, &parts](size_t index) {
    Part<Stream>& part = parts[index];
    part.readFailed = !FeedPart(file, part.from, part.to, part.stream);
  };
  std::vector<std::jthread> workers;
  for (size_t index = 1; index < parts.size(); ++index) workers.emplace_back(scan, index);
  scan(0);
}

// A part whose predecessor did not end at rest was counted from the wrong start; the
// predecessor's stream reads it again instead. The parts' counts, or nothing on a read error.
template <class Stream>
std::optional<FileCounts> JoinParts(const RegularFile& file, std::vector<Part<Stream>>& parts) {
  std::vector<typename Stream::PartCounts> counts;
  size_t current = 0;
  for (size_t next = 1;; ++next) {
    Part<Stream>& part = parts[current];
    if (part.readFailed) return std::nullopt;
    if (next == parts.size()) {
      counts.push_back(part.stream.FinishPart());
      break;
    }
    if (part.stream.AtRest()) {
      counts.push_back(part.stream.FinishPart());
      current = next;
    } else if (!FeedPart(file, parts[next].from, parts[next].to, part.stream)) {
      return std::nullopt;
    }
  }
  return Stream::JoinParts(counts);
}

template <class MakeStream>
std::optional<ReadStatus> ScanInParts(const RegularFile& file, const MakeStream& makeStream,
                                      bool legacyByteRules, int threads, uint8_t cutAfter,
                                      uint64_t smallestPart, FileCounts& counts) {
  if (threads < 2) return std::nullopt;
  const uint64_t partCount =
      std::min<uint64_t>(threads, file.Size() / std::max<uint64_t>(smallestPart, 1));
  if (partCount < 2) return std::nullopt;
  // The byte rules judge every text byte by byte, whatever its head says.
  std::vector<uint8_t> head(legacyByteRules ? 0 : kTextHeadBytes);
  const long got = file.ReadAt(head.data(), head.size(), 0);
  if (got < 0) return std::nullopt;
  // Only text judged byte by byte (UTF-8 without a mark is among it) has nothing that runs
  // across a cut after an ASCII byte but the scan's own state, which JoinParts checks.
  const TextPlan plan = PlanTextDecoding({head.data(), static_cast<size_t>(got)}, legacyByteRules);
  if (plan.encoding.encoding != TextEncoding::Bytes) return std::nullopt;
  const std::vector<uint64_t> cuts = Cuts(file, partCount, cutAfter);
  if (cuts.empty()) return std::nullopt;
  using Stream = decltype(makeStream());
  std::vector<Part<Stream>> parts;
  parts.reserve(cuts.size() + 1);
  for (size_t index = 0; index <= cuts.size(); ++index) {
    Part<Stream>& part = parts.emplace_back(Part<Stream>{makeStream()});
    part.stream.StartPart(plan);
    part.from = index == 0 ? 0 : cuts[index - 1];
    part.to = index < cuts.size() ? cuts[index] : kFileEnd;
  }
  try {
    ScanParts(file, parts);
  } catch (const std::system_error&) {
    return std::nullopt;  // no thread to be had: one piece it is
  }
  const std::optional<FileCounts> joined = JoinParts(file, parts);
  if (!joined) return ReadStatus::ReadFailed;
  counts = *joined;
  return ReadStatus::Ok;
}

}  // namespace

std::optional<ReadStatus> ScanTextFileInParts(const RegularFile& file, TextRules rules, int threads,
                                              FileCounts& counts, uint64_t smallestPart) {
  const auto fresh = [rules] {
    return PlainTextStream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  };
  return ScanInParts(file, fresh, rules.legacyByteRules, threads, '\n', smallestPart, counts);
}

std::optional<ReadStatus> ScanHtmlFileInParts(const RegularFile& file, bool legacyByteRules,
                                              int threads, FileCounts& counts,
                                              uint64_t smallestPart) {
  const auto fresh = [legacyByteRules] { return HtmlStream(HtmlPolicy{}, legacyByteRules); };
  return ScanInParts(file, fresh, legacyByteRules, threads, '>', smallestPart, counts);
}

}  // namespace tw
