#include "counting/TextFileParts.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

#include "text/RegularFile.h"
#include "text/TextDecoding.h"

namespace tw {
namespace {

using PartCounts = PlainTextStream::PartCounts;

// How far past an even share the cut may go looking for a line feed.
constexpr size_t kLineFeedSearchBytes = size_t{64} << 10;
constexpr size_t kPartBufferBytes = size_t{1} << 20;

struct PartResult {
  PartCounts counts;
  bool readFailed = false;
};

// The last part reads on to the file's end, however far it grew by now.
constexpr uint64_t kFileEnd = UINT64_MAX;

// Counts the bytes from `from` up to `to`.
PartResult ScanPart(const RegularFile& file, uint64_t from, uint64_t to, const TextPlan& plan,
                    TextRules rules) {
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  stream.StartPart(plan);
  std::vector<uint8_t> buffer(kPartBufferBytes);
  for (uint64_t offset = from;;) {
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(buffer.size(), to - offset));
    if (wanted == 0) break;
    const long got = file.ReadAt(buffer.data(), wanted, offset);
    if (got < 0) return {{}, true};
    stream.Feed({buffer.data(), static_cast<size_t>(got)});
    offset += static_cast<uint64_t>(got);
    if (static_cast<size_t>(got) < wanted) break;  // the file ended early
  }
  return {stream.FinishPart(), false};
}

// Just after the first line feed at or past each of `parts` - 1 even shares of the file; a share
// without a line feed close by gets no cut.
std::vector<uint64_t> CutsAfterLineFeeds(const RegularFile& file, uint64_t parts) {
  std::vector<uint64_t> cuts;
  std::vector<uint8_t> window(kLineFeedSearchBytes);
  for (uint64_t share = 1; share < parts; ++share) {
    const uint64_t nominal = file.Size() / parts * share;
    if (!cuts.empty() && nominal < cuts.back()) continue;
    const long got = file.ReadAt(window.data(), window.size(), nominal);
    if (got <= 0) break;
    const auto end = window.begin() + got;
    const auto lineFeed = std::find(window.begin(), end, uint8_t{'\n'});
    const uint64_t cut = nominal + static_cast<uint64_t>(lineFeed - window.begin()) + 1;
    if (lineFeed != end && cut < file.Size()) cuts.push_back(cut);
  }
  return cuts;
}

std::vector<PartResult> ScanParts(const RegularFile& file, const std::vector<uint64_t>& cuts,
                                  const TextPlan& plan, TextRules rules) {
  std::vector<PartResult> results(cuts.size() + 1);
  const auto scan = [&](size_t part) {
    const uint64_t from = part == 0 ? 0 : cuts[part - 1];
    const uint64_t to = part < cuts.size() ? cuts[part] : kFileEnd;
    results[part] = ScanPart(file, from, to, plan, rules);
  };
  std::vector<std::jthread> workers;
  for (size_t part = 1; part < results.size(); ++part) workers.emplace_back(scan, part);
  scan(0);
  return results;
}

}  // namespace

std::optional<ReadStatus> ScanTextFileInParts(const RegularFile& file, TextRules rules, int threads,
                                              FileCounts& counts, uint64_t smallestPart) {
  if (threads < 2) return std::nullopt;
  const uint64_t parts =
      std::min<uint64_t>(threads, file.Size() / std::max<uint64_t>(smallestPart, 1));
  if (parts < 2) return std::nullopt;
  std::vector<uint8_t> head(kTextHeadBytes);
  const long got = file.ReadAt(head.data(), head.size(), 0);
  if (got < 0) return std::nullopt;
  // Only text judged byte by byte (UTF-8 without a mark is among it) has no character or state
  // that runs across a line feed.
  const TextPlan plan =
      PlanTextDecoding({head.data(), static_cast<size_t>(got)}, rules.legacyByteRules);
  if (plan.encoding.encoding != TextEncoding::Bytes) return std::nullopt;
  const std::vector<uint64_t> cuts = CutsAfterLineFeeds(file, parts);
  if (cuts.empty()) return std::nullopt;
  std::vector<PartResult> results;
  try {
    results = ScanParts(file, cuts, plan, rules);
  } catch (const std::system_error&) {
    return std::nullopt;  // no thread to be had: one piece it is
  }
  std::vector<PartCounts> partCounts;
  for (const PartResult& result : results) {
    if (result.readFailed) return ReadStatus::ReadFailed;
    partCounts.push_back(result.counts);
  }
  counts = PlainTextStream::JoinParts(partCounts);
  return ReadStatus::Ok;
}

}  // namespace tw
