#include "counting/TextDocumentCounter.h"

#include "counting/ProfileScanner.h"
#include "counting/TextScan.h"
#include "formats/delimited/DelimitedReader.h"
#include "formats/epub/EpubReader.h"
#include "formats/idml/IdmlReader.h"
#include "formats/json/JsonReader.h"
#include "formats/markdown/MarkdownReader.h"
#include "formats/po/PoReader.h"
#include "formats/spreadsheet/SpreadsheetReader.h"
#include "formats/subtitle/SubtitleReader.h"
#include "formats/xliff/XliffReader.h"
#include "formats/xml/XmlTextReader.h"

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
ReadResult ReadMoreFormats(const std::string& path) {
  if (HasExtension(path, "csv")) return ReadDelimited(path, ',');
  if (HasExtension(path, "tsv")) return ReadDelimited(path, '\t');
  if (HasExtension(path, "json")) return ReadJson(path);
  if (HasExtension(path, "epub")) return ReadEpub(path);
  if (HasExtension(path, "idml")) return ReadIdml(path);
  return ReadXmlText(path);
}

ReadResult ReadForBatch(CounterKind kind, const std::string& path, const CountOptions& options) {
  switch (kind) {
    case CounterKind::Spreadsheet:
      return ReadSpreadsheet(path);
    case CounterKind::Xliff:
      return ReadXliff(path, options.xliffTarget ? XliffSide::Target : XliffSide::Source);
    case CounterKind::Po:
      return ReadPo(path);
    case CounterKind::Subtitle:
      return ReadSubtitles(path);
    case CounterKind::Markdown:
      return ReadMarkdown(path);
    default:
      return ReadMoreFormats(path);
  }
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

FileCountResult CountTextDocumentFile(CounterKind kind, const std::string& path,
                                      const CountOptions& options) {
  const ReadResult read = ReadForBatch(kind, path, options);
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed(read.Error().Reason());
  return FileCountResult::Counted(CountTextDocument(read.Doc(), options));
}

}  // namespace tw
