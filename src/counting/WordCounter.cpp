#include "counting/WordCounter.h"

#include <algorithm>
#include <vector>

#include "counting/DocumentSegments.h"
#include "counting/ProfileScanner.h"
#include "counting/WordTextStatistics.h"
#include "formats/word/WordReader.h"

namespace tw {
namespace {

// Taking a group apart reaches only one level: members of a nested group are never counted.
constexpr int kDeepestCountedShape = 1;

FileCounts CountsOf(const WordTextStatistics& statistics) {
  return {statistics.words, statistics.characters,
          statistics.charactersWithSpaces - statistics.characters};
}

FileCounts CountsOf(const TextPiece& piece, const CountOptions& options) {
  if (options.profile != CountProfile::Classic) return ProfileCounts(piece.text, options.profile);
  return CountsOf(WordTextStatistics::Of(piece.text, options.legacyByteRules));
}

// Deleted revisions are never part of Word's figures; hidden text only when asked for.
bool IsShown(const TextPiece& piece, const ContentSwitches& include) {
  return (!piece.hidden || include.hidden) && piece.revision != Revision::Deleted;
}

bool IsCountedText(const TextPiece& piece, const ContentSwitches& include) {
  switch (piece.kind) {
    case PieceKind::Body:
    case PieceKind::TableCell:
    case PieceKind::Footnote:
    case PieceKind::Endnote:
      return true;
    case PieceKind::TextBox:
    case PieceKind::AutoShape:
      return piece.groupDepth <= kDeepestCountedShape;
    case PieceKind::Comment:
      return include.comments;
    case PieceKind::Chart:
      return include.charts;
    case PieceKind::Diagram:
      return include.diagrams;
    default:
      return false;
  }
}

// Per section, the primary header and footer it shows: its own, or else the one of the latest
// section before it that has one. A document without sections still shows one. A header or
// footer may come in several pieces (its hidden text and its shapes' text frames apart).
class SectionHeadersFooters {
 public:
  using Pieces = std::vector<const TextPiece*>;

  SectionHeadersFooters(const Document& document, const ContentSwitches& include)
      : headers_(Sections(document)), footers_(Sections(document)) {
    for (const TextPiece& piece : document.pieces) {
      if (piece.headerFooter != HeaderFooterType::Primary || !IsShown(piece, include)) continue;
      if (piece.groupDepth > kDeepestCountedShape) continue;
      if (piece.kind == PieceKind::Header) Own(headers_, piece);
      if (piece.kind == PieceKind::Footer) Own(footers_, piece);
    }
  }

  FileCounts Counts(const CountOptions& options) const {
    FileCounts counts;
    for (const std::vector<Pieces>* shown : {&headers_, &footers_}) {
      const Pieces* inEffect = nullptr;
      for (const Pieces& own : *shown) {
        if (!own.empty()) inEffect = &own;
        if (inEffect == nullptr) continue;
        for (const TextPiece* piece : *inEffect) counts += CountsOf(*piece, options);
      }
    }
    return counts;
  }

 private:
  static size_t Sections(const Document& document) {
    return static_cast<size_t>(std::max(1, document.sectionCount));
  }
  static void Own(std::vector<Pieces>& shown, const TextPiece& piece) {
    if (piece.container >= 0 && static_cast<size_t>(piece.container) < shown.size()) {
      shown[static_cast<size_t>(piece.container)].push_back(&piece);
    }
  }

  std::vector<Pieces> headers_;
  std::vector<Pieces> footers_;
};

}  // namespace

std::vector<SegmentWords> WordDocumentSegments(const Document& document,
                                               const CountOptions& options) {
  const bool legacy = options.legacyByteRules;
  return SegmentsOfPieces(
      document,
      [&options](const TextPiece& piece) {
        return IsShown(piece, options.include) && IsCountedText(piece, options.include);
      },
      [legacy](std::u16string_view text) { return WordTextStatistics::Of(text, legacy).words; });
}

FileCounts CountWordDocument(const Document& document, const CountOptions& options) {
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (!IsShown(piece, options.include) || !IsCountedText(piece, options.include)) continue;
    counts += CountsOf(piece, options);
  }
  if (options.headersAndFooters) {
    counts += SectionHeadersFooters(document, options.include).Counts(options);
  }
  return counts;
}

FileCountResult CountWordFile(const std::string& path, const CountOptions& options) {
  return CountWordRead(ReadWordDocument(path), options);
}

FileCountResult CountWordRead(const ReadResult& read, const CountOptions& options) {
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed("Word - " + read.Error().Reason());
  FileCountResult result = FileCountResult::Counted(CountWordDocument(read.Doc(), options));
  if (options.units.repetitions) result.segments = WordDocumentSegments(read.Doc(), options);
  return result;
}

}  // namespace tw
