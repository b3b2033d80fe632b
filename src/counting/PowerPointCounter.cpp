#include "counting/PowerPointCounter.h"

#include "counting/TextScan.h"
#include "counting/TitleMasterScan.h"
#include "formats/presentation/PresentationReader.h"

namespace tw {

std::optional<FileCounts> CountPresentationDocument(const Document& document,
                                                    const CountOptions& options,
                                                    const StopFlag& stop) {
  const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (piece.kind == PieceKind::SlideShape) {
      if (stop.load()) return std::nullopt;
      counts += ScanUtf16Text(piece.text, rules);
    } else if (piece.kind == PieceKind::SlideFooter && options.headersAndFooters) {
      counts += ScanUtf16Text(piece.text, rules);
    }
  }
  // The title master belongs to the presentation, not to each slide: its text counts once.
  if (document.hasTitleMaster) {
    for (const TextPiece& piece : document.pieces) {
      if (piece.kind != PieceKind::TitleMaster) continue;
      counts += ScanTitleMasterText(piece.text, options.legacyByteRules);
    }
  }
  return counts;
}

FileCountResult CountPresentationFile(const std::string& path, const CountOptions& options,
                                      const StopFlag& stop) {
  const ReadResult read = ReadPresentation(path);
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed("PowerPoint - " + read.Error().Reason());
  const std::optional<FileCounts> counts = CountPresentationDocument(read.Doc(), options, stop);
  return counts ? FileCountResult::Counted(*counts) : FileCountResult::Stopped();
}

}  // namespace tw
