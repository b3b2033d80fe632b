#include "formats/word/doc/DocPieceTable.h"

#include <algorithm>
#include <array>

#include "formats/word/rtf/CodePageDecoder.h"

namespace tw {
namespace {

constexpr uint8_t kPropertyEntry = 0x01;  // Prc
constexpr uint8_t kPieceEntry = 0x02;     // Pcdt
constexpr uint32_t kCompressedFlag = 0x40000000;
constexpr uint64_t kPieceDescriptorSize = 8;

// 8-bit pieces hold Windows-1252; only 0x80-0x9F differ from Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromWindows1252(uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t{byte};
}

// Paragraph marks, cell ends and breaks stay even where their text is hidden or deleted, so
// words on either side are never joined.
bool IsBreak(char16_t c) {
  return c == 0x0D || c == 0x07 || c == 0x0B || c == 0x0C || c == 0x0E;
}

bool IsFieldMark(char16_t c) {
  return c == 0x13 || c == 0x14 || c == 0x15;
}

bool Taken(char16_t c, DocCharacterFlags flags, DocTextPart part) {
  if (IsBreak(c)) return true;
  if (part == DocTextPart::Shown) return !flags.Suppressed();
  return IsFieldMark(c) || (flags.hidden && !flags.deleted);
}

DocCharacterFlags Combined(DocCharacterFlags a, DocCharacterFlags b) {
  return {a.hidden || b.hidden, a.deleted || b.deleted};
}

// In the hidden part, what lies between two hidden stretches becomes one paragraph mark, so the
// stretches never join into one word.
template <typename Text>
void Separate(Text& out) {
  if (!out.empty() && out.back() != 0x0D) out.push_back(0x0D);
}

constexpr int kWindows1252 = 1252;

}  // namespace

DocPieceTable::DocPieceTable(std::span<const uint8_t> clxBytes, DocSprmForm form, int codePage)
    : codePage_(codePage) {
  const DocBytes clx(clxBytes);
  std::vector<DocCharacterFlags> modifiers;
  uint64_t offset = 0;
  while (offset < clx.Size()) {
    const uint8_t kind = clx.U8(offset);
    if (kind == kPropertyEntry) {
      const uint16_t size = clx.U16(offset + 1);
      modifiers.push_back(
          ReadCharacterFlags(clx.Slice(offset + 3, size), {}, nullptr, false, form));
      offset += 3 + uint64_t{size};
    } else if (kind == kPieceEntry) {
      ReadPieces(clx, offset + 5, clx.U32(offset + 1), modifiers, form);
      return;
    } else {
      break;
    }
  }
  throw DocError("The document is damaged (its piece table cannot be read)");
}

DocPieceTable DocPieceTable::Contiguous(uint32_t length, uint32_t fc, int codePage) {
  DocPieceTable table;
  table.codePage_ = codePage;
  table.pieces_.push_back({0, length, fc, codePage != kUtf16CodePage, {}});
  return table;
}

void DocPieceTable::ReadPieces(const DocBytes& clx, uint64_t offset, uint32_t length,
                               const std::vector<DocCharacterFlags>& modifiers, DocSprmForm form) {
  if (length < 4 || !clx.Contains(offset, length)) {
    throw DocError("The document is damaged (its piece table cannot be read)");
  }
  const uint64_t count = (length - 4) / (4 + kPieceDescriptorSize);
  const uint64_t descriptorsAt = offset + 4 * (count + 1);
  pieces_.reserve(count);
  for (uint64_t i = 0; i < count; ++i) {
    Piece piece;
    piece.cpStart = clx.U32(offset + 4 * i);
    piece.cpEnd = clx.U32(offset + 4 * (i + 1));
    if (piece.cpEnd < piece.cpStart || (!pieces_.empty() && piece.cpStart < pieces_.back().cpEnd)) {
      throw DocError("The document is damaged (its piece table is out of order)");
    }
    const uint64_t descriptor = descriptorsAt + kPieceDescriptorSize * i;
    const uint32_t fc = clx.U32(descriptor + 2);
    if (form == DocSprmForm::Word6) {
      piece.compressed = codePage_ != kUtf16CodePage;
      piece.fc = fc;
    } else {
      piece.compressed = (fc & kCompressedFlag) != 0;
      piece.fc = piece.compressed ? (fc & ~kCompressedFlag) / 2 : fc;
    }
    const uint16_t modifier = clx.U16(descriptor + 6);
    if ((modifier & 1) != 0 && (modifier >> 1) < modifiers.size()) {
      piece.flags = modifiers[modifier >> 1];
    }
    pieces_.push_back(piece);
  }
}

std::u16string DocPieceTable::Text(uint64_t start, uint64_t end, const DocBytes& document,
                                   const DocCharacterRuns& runs, DocTextPart part) const {
  std::u16string out;
  // Pieces are in order and do not overlap (checked when read): start at the first piece that
  // ends after `start`, so reading many small stories never walks the whole table each time.
  auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), start,
                                [](uint64_t cp, const Piece& p) { return cp < p.cpEnd; });
  for (; piece != pieces_.end() && piece->cpStart < end; ++piece) {
    const uint64_t from = std::max<uint64_t>(start, piece->cpStart);
    const uint64_t to = std::min<uint64_t>(end, piece->cpEnd);
    if (from >= to) continue;
    AppendPiece(*piece, static_cast<uint32_t>(from), static_cast<uint32_t>(to), document, runs,
                part, out);
  }
  return out;
}

uint64_t DocPieceTable::TextBytes() const {
  uint64_t bytes = 0;
  for (const Piece& piece : pieces_) {
    bytes += uint64_t{piece.cpEnd - piece.cpStart} * (piece.compressed ? 1 : 2);
  }
  return bytes;
}

void DocPieceTable::AppendPiece(const Piece& piece, uint32_t from, uint32_t to,
                                const DocBytes& document, const DocCharacterRuns& runs,
                                DocTextPart part, std::u16string& out) const {
  const uint64_t unit = piece.compressed ? 1 : 2;
  const uint64_t first = piece.fc + unit * (from - piece.cpStart);
  if (!document.Contains(first, unit * (to - from))) {
    throw DocError("The document is damaged (its text lies outside the file)");
  }
  // 8-bit text in another code page may hold double-byte characters: its bytes are gathered and
  // decoded together.
  const bool multiByte = piece.compressed && codePage_ != kWindows1252;
  std::string bytes;
  for (uint64_t k = 0; k < to - from; ++k) {
    const uint64_t fc = first + unit * k;
    const char16_t c =
        piece.compressed ? char16_t{document.U8(fc)} : static_cast<char16_t>(document.U16(fc));
    const DocCharacterFlags flags = Combined(piece.flags, runs.Flags(static_cast<uint32_t>(fc)));
    const bool taken = Taken(c, flags, part);
    if (multiByte) {
      if (taken) bytes.push_back(static_cast<char>(c));
      if (!taken && part == DocTextPart::Hidden) Separate(bytes);
    } else if (taken) {
      out.push_back(piece.compressed ? FromWindows1252(static_cast<uint8_t>(c)) : c);
    } else if (part == DocTextPart::Hidden) {
      Separate(out);
    }
  }
  if (multiByte) {
    CodePageDecoder decoder;
    decoder.Decode(codePage_, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, out);
  }
}

}  // namespace tw
