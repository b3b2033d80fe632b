#include "counting/WordCounter.h"

#include <algorithm>
#include <vector>

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

// Hidden text and deleted revisions are not part of Word's figures.
bool IsShown(const TextPiece& piece) {
  return !piece.hidden && piece.revision != Revision::Deleted;
}

bool IsStatisticsText(const TextPiece& piece) {
  switch (piece.kind) {
    case PieceKind::Body:
    case PieceKind::TableCell:
    case PieceKind::Footnote:
    case PieceKind::Endnote:
      return true;
    case PieceKind::TextBox:
    case PieceKind::AutoShape:
      return piece.groupDepth <= kDeepestCountedShape;
    default:
      return false;
  }
}

// Per section, the primary header and footer it shows: its own, or else the one of the latest
// section before it that has one. A document without sections still shows one.
class SectionHeadersFooters {
 public:
  explicit SectionHeadersFooters(const Document& document)
      : headers_(Sections(document)), footers_(Sections(document)) {
    for (const TextPiece& piece : document.pieces) {
      if (piece.headerFooter != HeaderFooterType::Primary || !IsShown(piece)) continue;
      if (piece.kind == PieceKind::Header) Own(headers_, piece);
      if (piece.kind == PieceKind::Footer) Own(footers_, piece);
    }
  }

  FileCounts Counts(bool legacyByteRules) const {
    FileCounts counts;
    for (const std::vector<const TextPiece*>* shown : {&headers_, &footers_}) {
      const TextPiece* inEffect = nullptr;
      for (const TextPiece* own : *shown) {
        if (own != nullptr) inEffect = own;
        if (inEffect != nullptr)
          counts += CountsOf(WordTextStatistics::Of(inEffect->text, legacyByteRules));
      }
    }
    return counts;
  }

 private:
  static size_t Sections(const Document& document) {
    return static_cast<size_t>(std::max(1, document.sectionCount));
  }
  static void Own(std::vector<const TextPiece*>& shown, const TextPiece& piece) {
    if (piece.container >= 0 && static_cast<size_t>(piece.container) < shown.size()) {
      shown[static_cast<size_t>(piece.container)] = &piece;
    }
  }

  std::vector<const TextPiece*> headers_;
  std::vector<const TextPiece*> footers_;
};

}  // namespace

FileCounts CountWordDocument(const Document& document, const CountOptions& options) {
  FileCounts counts;
  for (const TextPiece& piece : document.pieces) {
    if (!IsShown(piece) || !IsStatisticsText(piece)) continue;
    counts += CountsOf(WordTextStatistics::Of(piece.text, options.legacyByteRules));
  }
  if (options.headersAndFooters) {
    counts += SectionHeadersFooters(document).Counts(options.legacyByteRules);
  }
  return counts;
}

FileCountResult CountWordFile(const std::string& path, const CountOptions& options) {
  const ReadResult read = ReadWordDocument(path);
  if (read.WasStopped()) return FileCountResult::Stopped();
  if (!read.Ok()) return FileCountResult::Failed("Word - " + read.Error().Reason());
  return FileCountResult::Counted(CountWordDocument(read.Doc(), options));
}

}  // namespace tw
