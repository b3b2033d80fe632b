#include "counting/PdfCounter.h"

#include "counting/DocumentSegments.h"
#include "counting/ProfileScanner.h"
#include "counting/TextScan.h"
#include "formats/pdf/PdfReader.h"

namespace tw {

FileCounts CountPdfDocument(const Document& document, const CountOptions& options) {
  const TextRules rules{.extraSymbolsAsWords = true, .legacyByteRules = options.legacyByteRules};
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (piece.kind != PieceKind::PdfPage) continue;
    counts += options.profile == CountProfile::Classic ? ScanUtf16Text(piece.text + u"\r\n", rules)
                                                       : ProfileCounts(piece.text, options.profile);
  }
  return counts;
}

FileCountResult CountPdfFile(const std::string& path, const CountOptions& options,
                             const StopFlag& stop) {
  return CountPdfRead(ReadPdfDocument(path, &stop), path, options);
}

FileCountResult CountPdfRead(const ReadResult& read, const std::string& path,
                             const CountOptions& options) {
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) {
    // The password case names its cause, since the user can do something about it.
    if (read.Error().GetCause() == ReaderError::Cause::NeedsPassword) {
      return FileCountResult::Failed(read.Error().Reason());
    }
    // The reason, where the reader knows one, follows the message users and scripts know.
    const std::string& detail = read.Error().Detail();
    return FileCountResult::Failed("Failed to open file " + path +
                                   (detail.empty() ? "" : " (" + detail + ")"));
  }
  FileCountResult result = FileCountResult::Counted(CountPdfDocument(read.Doc(), options));
  if (options.units.repetitions) {
    const TextRules rules{.extraSymbolsAsWords = true, .legacyByteRules = options.legacyByteRules};
    result.segments = SegmentsOfPieces(
        read.Doc(), [](const TextPiece& piece) { return piece.kind == PieceKind::PdfPage; },
        PlainTextWords(rules));
  }
  return result;
}

}  // namespace tw
