#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/word/doc/DocBytes.h"
#include "formats/word/doc/DocCharacterRuns.h"

namespace tw {

// Which of a story's characters to take: those a reader sees, or only the hidden ones.
enum class DocTextPart { Shown, Hidden };

// The piece table (the CLX of the table stream): which bytes of the WordDocument stream hold each
// stretch of character positions, as 8-bit text in the file's code page (Windows-1252 since
// Word 97) or UTF-16 text.
// The code page number that stands for UTF-16 text, as Windows numbers it.
inline constexpr int kUtf16CodePage = 1200;

class DocPieceTable {
 public:
  // Reads the CLX of the table stream; throws DocError when it is damaged. Word 6.0/95 pieces
  // are all 8-bit, in `codePage`, or all UTF-16 when it is kUtf16CodePage.
  explicit DocPieceTable(std::span<const uint8_t> clx, DocSprmForm form = DocSprmForm::Word97,
                         int codePage = 1252);
  // A file saved without a piece table: `length` characters from byte `fc` on, 8-bit in
  // `codePage` or UTF-16 when it is kUtf16CodePage.
  static DocPieceTable Contiguous(uint32_t length, uint32_t fc, int codePage);

  // The characters at positions [start, end). Shown: those that character formatting hides or
  // marks deleted left out (except paragraph marks and breaks, so words are never joined).
  // Hidden: only the hidden ones that are not deleted, each stretch of them ended by a paragraph
  // mark, with the breaks and field marks around them. Positions past the last piece are not
  // there and give nothing.
  std::u16string Text(uint64_t start, uint64_t end, const DocBytes& document,
                      const DocCharacterRuns& runs, DocTextPart part = DocTextPart::Shown) const;
  // The bytes of the WordDocument stream that the pieces take, all together.
  uint64_t TextBytes() const;

 private:
  struct Piece {
    uint32_t cpStart = 0;
    uint32_t cpEnd = 0;
    uint32_t fc = 0;          // byte offset in the WordDocument stream
    bool compressed = false;  // one byte per character
    DocCharacterFlags flags;  // what the piece's own formatting does to it
  };

  DocPieceTable() = default;
  void ReadPieces(const DocBytes& clx, uint64_t offset, uint32_t length,
                  const std::vector<DocCharacterFlags>& modifiers, DocSprmForm form);
  void AppendPiece(const Piece& piece, uint32_t from, uint32_t to, const DocBytes& document,
                   const DocCharacterRuns& runs, DocTextPart part, std::u16string& out) const;

  std::vector<Piece> pieces_;
  int codePage_ = 1252;
};

}  // namespace tw
