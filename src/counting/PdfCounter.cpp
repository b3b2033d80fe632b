#include "counting/PdfCounter.h"

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
  const ReadResult read = ReadPdfDocument(path, &stop);
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
  return FileCountResult::Counted(CountPdfDocument(read.Doc(), options));
}

}  // namespace tw
