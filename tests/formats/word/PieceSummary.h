#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "formats/Document.h"

namespace tw::test {

// A piece as a test compares it: what it is, where and how deep, and its text.
struct PieceSummary {
  PieceKind kind = PieceKind::Body;
  int container = 0;
  int groupDepth = 0;
  std::u16string text;
  bool operator==(const PieceSummary&) const = default;
};

inline void PrintTo(const PieceSummary& piece, std::ostream* out) {
  *out << "{kind " << static_cast<int>(piece.kind) << ", container " << piece.container
       << ", depth " << piece.groupDepth << ", \"";
  for (const char16_t c : piece.text) {
    if (c >= 0x20 && c < 0x7F) {
      *out << static_cast<char>(c);
    } else {
      *out << "\\u" << std::hex << static_cast<int>(c) << std::dec;
    }
  }
  *out << "\"}";
}

// The document's pieces of the given kinds, in order.
inline std::vector<PieceSummary> PiecesOf(const Document& document,
                                          std::initializer_list<PieceKind> kinds) {
  std::vector<PieceSummary> pieces;
  for (const TextPiece& piece : document.pieces) {
    for (const PieceKind kind : kinds) {
      if (piece.kind == kind) {
        pieces.push_back({piece.kind, piece.container, piece.groupDepth, piece.text});
      }
    }
  }
  return pieces;
}

// The shown (or only the hidden) text of the pieces of one kind, joined: the body with its table
// cells, all footnotes, ...
inline std::u16string TextOf(const Document& document, PieceKind kind, bool hidden = false) {
  std::u16string text;
  for (const TextPiece& piece : document.pieces) {
    const bool body = piece.kind == PieceKind::Body || piece.kind == PieceKind::TableCell;
    if (piece.hidden != hidden) continue;
    if (piece.kind == kind || (kind == PieceKind::Body && body)) text += piece.text;
  }
  return text;
}

inline std::vector<PieceSummary> HeadersAndFooters(const Document& document) {
  return PiecesOf(document, {PieceKind::Header, PieceKind::Footer});
}

inline std::vector<PieceSummary> Frames(const Document& document) {
  return PiecesOf(document, {PieceKind::TextBox, PieceKind::AutoShape});
}

}  // namespace tw::test
