#include "counting/ByteFileCounter.h"

#include <utility>

#include "counting/DocumentSegments.h"
#include "counting/ProfileScanner.h"
#include "counting/TextFileParts.h"
#include "counting/TextFileScan.h"
#include "formats/container/ContainerLimits.h"
#include "formats/html/HtmlReader.h"
#include "text/RegularFile.h"

namespace tw {
namespace {

// The message starts as it always did, so scripts that read it keep working; the system's reason
// follows in brackets.
std::string OpenFailedMessage(const std::string& path) {
  std::string message = "Couldn't open file: " + path;
  const std::string reason = RegularFile::OpenFailureReason(path);
  if (!reason.empty()) message += " (" + reason + ")";
  return message;
}

FileCountResult ResultOf(ReadStatus status, const std::string& path, const FileCounts& counts) {
  switch (status) {
    case ReadStatus::OpenFailed:
      return FileCountResult::Failed(OpenFailedMessage(path));
    case ReadStatus::AllocationFailed:
      return FileCountResult::Failed("Couldn't allocate memory for read buffer");
    case ReadStatus::ReadFailed:
      return FileCountResult::Failed("File read error!");
    case ReadStatus::Ok:
      break;
  }
  return FileCountResult::Counted(counts);
}

// Profiles other than classic count the text a browser shows, a block at a time.
FileCountResult CountHtmlAsShown(const std::string& path, CountProfile profile) {
  const ReadResult read = ReadHtml(path);
  if (!read.Ok()) return FileCountResult::Failed(read.Error().Reason());
  FileCounts counts;
  for (const TextPiece& piece : read.Doc().pieces) counts += ProfileCounts(piece.text, profile);
  return FileCountResult::Counted(counts);
}

// Opens the file once: a large one is counted in parts, unless its bytes are kept for
// repetitions, which wants them in one piece, in order.
template <class InParts, class OnePiece>
ReadStatus ScanOpened(const std::string& path, bool keep, const InParts& inParts,
                      const OnePiece& onePiece) {
  RegularFile file;
  if (!file.Open(path)) return ReadStatus::OpenFailed;
  const std::optional<ReadStatus> parted = keep ? std::nullopt : inParts(file);
  return parted ? *parted : onePiece(file);
}

ReadStatus ScanClassicTextFile(const std::string& path, TextRules rules, int threads,
                               FileCounts& counts, KeptBytes* keep) {
  return ScanOpened(
      path, keep != nullptr,
      [&](RegularFile& file) { return ScanTextFileInParts(file, rules, threads, counts); },
      [&](RegularFile& file) { return ScanTextFile(file, rules, counts, keep); });
}

ReadStatus ScanClassicHtmlFile(const std::string& path, bool legacyByteRules, int threads,
                               FileCounts& counts, KeptBytes* keep) {
  return ScanOpened(
      path, keep != nullptr,
      [&](RegularFile& file) {
        return ScanHtmlFileInParts(file, legacyByteRules, threads, counts);
      },
      [&](RegularFile& file) { return ScanHtmlFile(file, legacyByteRules, counts, keep); });
}

}  // namespace

FileCountResult CountTextFile(const std::string& path, const CountOptions& options, int threads) {
  FileCounts counts;
  const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
  // Repetitions look at the text the count read, kept up to the size any text file is read to.
  KeptBytes kept{ContainerLimits{}.maxEntryBytes};
  KeptBytes* keep = options.units.repetitions ? &kept : nullptr;
  const ReadStatus status = options.profile == CountProfile::Classic
                                ? ScanClassicTextFile(path, rules, threads, counts, keep)
                                : ScanTextFileByProfile(path, options.profile, counts, keep);
  FileCountResult result = ResultOf(status, path, counts);
  if (keep != nullptr && status == ReadStatus::Ok && kept.whole) {
    result.segments = TextFileSegments(std::move(kept.bytes), rules);
  }
  return result;
}

FileCountResult CountHtmlFile(const std::string& path, const CountOptions& options, int threads) {
  if (options.profile != CountProfile::Classic) return CountHtmlAsShown(path, options.profile);
  FileCounts counts;
  KeptBytes kept{ContainerLimits{}.maxEntryBytes};
  KeptBytes* keep = options.units.repetitions ? &kept : nullptr;
  const ReadStatus status =
      ScanClassicHtmlFile(path, options.legacyByteRules, threads, counts, keep);
  FileCountResult result = ResultOf(status, path, counts);
  if (keep != nullptr && status == ReadStatus::Ok && kept.whole) {
    result.segments = HtmlFileSegments(std::move(kept.bytes), {false, options.legacyByteRules});
  }
  return result;
}

}  // namespace tw
