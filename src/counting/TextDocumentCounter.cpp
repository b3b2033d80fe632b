#include "counting/TextDocumentCounter.h"

#include "counting/DocumentSegments.h"
#include "counting/ProfileScanner.h"
#include "counting/TextScan.h"

namespace tw {
namespace {

bool Counts(const TextPiece& piece, const ContentSwitches& include) {
  if (piece.hidden && !include.hidden) return false;
  switch (piece.kind) {
    case PieceKind::SheetCell:
    case PieceKind::Segment:
    case PieceKind::Cue:
    case PieceKind::Block:
      return true;
    case PieceKind::Comment:
      return include.comments;
    default:
      return false;
  }
}

bool HasExtension(const std::string& path, std::string_view extension) {
  const FileTypeEntry* entry = FileTypeOfPath(path);
  return entry != nullptr && entry->extension == extension;
}

// The one batch of several formats goes by extension.
DocumentFormat MoreFormatsOf(const std::string& path) {
  if (HasExtension(path, "csv")) return DocumentFormat::Csv;
  if (HasExtension(path, "tsv")) return DocumentFormat::Tsv;
  if (HasExtension(path, "json")) return DocumentFormat::Json;
  if (HasExtension(path, "epub")) return DocumentFormat::Epub;
  if (HasExtension(path, "idml")) return DocumentFormat::Idml;
  return DocumentFormat::Xml;
}

}  // namespace

FileCounts CountTextDocument(const Document& document, const CountOptions& options) {
  const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (!Counts(piece, options.include)) continue;
    counts += options.profile == CountProfile::Classic ? ScanUtf16Text(piece.text, rules)
                                                       : ProfileCounts(piece.text, options.profile);
  }
  return counts;
}

DocumentFormat TextDocumentFormatOf(CounterKind kind, const std::string& path,
                                    const CountOptions& options) {
  switch (kind) {
    case CounterKind::Spreadsheet:
      return DocumentFormat::Spreadsheet;
    case CounterKind::Xliff:
      return options.xliffTarget ? DocumentFormat::XliffTarget : DocumentFormat::XliffSource;
    case CounterKind::Po:
      return DocumentFormat::Po;
    case CounterKind::Subtitle:
      return DocumentFormat::Subtitle;
    case CounterKind::Markdown:
      return DocumentFormat::Markdown;
    default:
      return MoreFormatsOf(path);
  }
}

FileCountResult CountTextDocumentFile(CounterKind kind, const std::string& path,
                                      const CountOptions& options) {
  return CountTextDocumentRead(ReadInThisProcess(TextDocumentFormatOf(kind, path, options), path),
                               options);
}

FileCountResult CountTextDocumentRead(const ReadResult& read, const CountOptions& options) {
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed(read.Error().Reason());
  FileCountResult result = FileCountResult::Counted(CountTextDocument(read.Doc(), options));
  if (options.units.repetitions) {
    const TextRules rules{options.extraSymbolsAsWords, options.legacyByteRules};
    result.segments = SegmentsOfPieces(
        read.Doc(), [&options](const TextPiece& piece) { return Counts(piece, options.include); },
        PlainTextWords(rules));
  }
  return result;
}

}  // namespace tw
