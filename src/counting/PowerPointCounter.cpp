#include "counting/PowerPointCounter.h"

#include "counting/DocumentSegments.h"
#include "counting/ProfileScanner.h"
#include "counting/TextScan.h"
#include "counting/TitleMasterScan.h"
#include "formats/presentation/PresentationReader.h"

namespace tw {
namespace {

// Slide shapes always count, footers with "Count in headers and footers", and the text the
// product leaves out by default (notes, comments, charts, diagrams, hidden slides) by its switch.
bool Counts(const TextPiece& piece, const CountOptions& options) {
  if (piece.hidden && !options.include.hidden) return false;
  switch (piece.kind) {
    case PieceKind::SlideShape:
      return true;
    case PieceKind::SlideFooter:
      return options.headersAndFooters;
    case PieceKind::Notes:
      return options.include.notes;
    case PieceKind::Comment:
      return options.include.comments;
    case PieceKind::Chart:
      return options.include.charts;
    case PieceKind::Diagram:
      return options.include.diagrams;
    default:
      return false;
  }
}

}  // namespace

std::optional<FileCounts> CountPresentationDocument(const Document& document,
                                                    const CountOptions& options,
                                                    const StopFlag& stop) {
  const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (!Counts(piece, options)) continue;
    if (piece.kind != PieceKind::SlideFooter && stop.load()) return std::nullopt;
    counts += options.profile == CountProfile::Classic ? ScanUtf16Text(piece.text, rules)
                                                       : ProfileCounts(piece.text, options.profile);
  }
  // The title master belongs to the presentation, not to each slide: its text counts once.
  if (document.hasTitleMaster) {
    for (const TextPiece& piece : document.pieces) {
      if (piece.kind != PieceKind::TitleMaster) continue;
      counts += options.profile == CountProfile::Classic
                    ? ScanTitleMasterText(piece.text, options.legacyByteRules)
                    : ProfileCounts(piece.text, options.profile);
    }
  }
  return counts;
}

FileCountResult CountPresentationFile(const std::string& path, const CountOptions& options,
                                      const StopFlag& stop) {
  return CountPresentationRead(ReadPresentation(path), options, stop);
}

FileCountResult CountPresentationRead(const ReadResult& read, const CountOptions& options,
                                      const StopFlag& stop) {
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed("PowerPoint - " + read.Error().Reason());
  const std::optional<FileCounts> counts = CountPresentationDocument(read.Doc(), options, stop);
  if (!counts) return FileCountResult::Stopped();
  FileCountResult result = FileCountResult::Counted(*counts);
  if (options.units.repetitions) {
    const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
    result.segments = SegmentsOfPieces(
        read.Doc(), [&options](const TextPiece& piece) { return Counts(piece, options); },
        PlainTextWords(rules));
  }
  return result;
}

}  // namespace tw
