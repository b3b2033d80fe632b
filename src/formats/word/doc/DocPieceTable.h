#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/word/doc/DocBytes.h"
#include "formats/word/doc/DocCharacterRuns.h"

namespace tw {

// The piece table (the CLX of the table stream): which bytes of the WordDocument stream hold each
// stretch of character positions, as 8-bit (Windows-1252) or UTF-16 text.
class DocPieceTable {
 public:
  // Reads the CLX of the table stream; throws DocError when it is damaged.
  explicit DocPieceTable(std::span<const uint8_t> clx);

  // The characters at positions [start, end), with those that character formatting hides or
  // marks deleted left out (except paragraph marks and breaks, so words are never joined).
  // Positions past the last piece are not there and give nothing.
  std::u16string Text(uint64_t start, uint64_t end, const DocBytes& document,
                      const DocCharacterRuns& runs) const;

 private:
  struct Piece {
    uint32_t cpStart = 0;
    uint32_t cpEnd = 0;
    uint32_t fc = 0;          // byte offset in the WordDocument stream
    bool compressed = false;  // one byte per character
    bool suppressed = false;  // the piece's own formatting hides or deletes it
  };

  void ReadPieces(const DocBytes& clx, uint64_t offset, uint32_t length,
                  const std::vector<DocCharacterFlags>& modifiers);
  static void AppendPiece(const Piece& piece, uint32_t from, uint32_t to, const DocBytes& document,
                          const DocCharacterRuns& runs, std::u16string& out);

  std::vector<Piece> pieces_;
};

}  // namespace tw
