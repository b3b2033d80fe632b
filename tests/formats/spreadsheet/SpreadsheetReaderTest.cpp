#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/spreadsheet/SpreadsheetReader.h"
#include "formats/spreadsheet/XlsReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

struct Piece {
  PieceKind kind;
  std::u16string text;
  int sheet;
  bool hidden;
  bool operator==(const Piece&) const = default;
};

std::vector<Piece> PiecesOf(const Document& document) {
  std::vector<Piece> pieces;
  for (const TextPiece& p : document.pieces)
    pieces.push_back({p.kind, p.text, p.container, p.hidden});
  return pieces;
}

void PrintTo(const Piece& piece, std::ostream* out) {
  *out << static_cast<int>(piece.kind) << " sheet " << piece.sheet
       << (piece.hidden ? " hidden" : "") << " \""
       << std::string(piece.text.begin(), piece.text.end()) << "\"";
}

TEST(SpreadsheetReader, ReadsTextCellsAndCommentsButNoFiguresOrFormulas) {
  // The same workbook as LibreOffice writes it in each format: a comment on A1, a number, a date
  // and a formula beside the three sentences, and a hidden second sheet.
  const std::vector<Piece> workbook = {
      {PieceKind::SheetCell, u"The quick brown fox jumps over the lazy dog.", 0, false},
      {PieceKind::SheetCell, u"Translators count words, not pages.", 0, false},
      {PieceKind::SheetCell, u"\u00DCber den Wolken scheint die Sonne.", 0, false},
      {PieceKind::Comment, u"Check this", 0, false},
      {PieceKind::SheetCell, u"Secret sheet text", 1, true},
  };
  for (const char* file : {"formats/cells.xlsx", "formats/cells.ods", "formats/src/cells.fods"}) {
    const ReadResult result = ReadSpreadsheet(test::FixturePath(file));
    ASSERT_TRUE(result.Ok()) << file << ": " << result.Error().Reason();
    std::vector<Piece> pieces = PiecesOf(result.Doc());
    // The formats place a comment before or after its cell; only which pieces there are matters.
    std::stable_partition(pieces.begin(), pieces.end(),
                          [](const Piece& p) { return p.kind != PieceKind::Comment; });
    std::stable_partition(pieces.begin(), pieces.end(),
                          [](const Piece& p) { return p.sheet == 0; });
    EXPECT_EQ(pieces, workbook) << file;
  }
}

TEST(SpreadsheetReader, ReadsTheSharedStringsOfABinaryWorkbook) {
  const ReadResult result = ReadSpreadsheet(test::FixturePath("formats/cells.xls"));
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  const std::vector<Piece> expected = {
      {PieceKind::SheetCell, u"The quick brown fox jumps over the lazy dog.", 0, false},
      {PieceKind::SheetCell, u"Translators count words, not pages.", 0, false},
      {PieceKind::SheetCell, u"\u00DCber den Wolken scheint die Sonne.", 0, false},
      {PieceKind::SheetCell, u"Secret sheet text", 1, true},
  };
  EXPECT_EQ(PiecesOf(result.Doc()), expected);
}

// A string of the shared string table may break between two records, the rest of its characters
// in another width.
TEST(XlsWorkbook, ReadsAStringThatGoesOnInAContinueRecord) {
  auto record = [](uint16_t type, std::string data) {
    std::string bytes = {static_cast<char>(type & 0xFF), static_cast<char>(type >> 8),
                         static_cast<char>(data.size() & 0xFF),
                         static_cast<char>(data.size() >> 8)};
    return bytes + data;
  };
  using namespace std::string_literals;
  const std::string sheetAt = "\x00\x00\x00\x00"s;
  std::string globals = record(0x0809, std::string(16, '\0'));
  const size_t boundSheet = globals.size();
  globals += record(0x0085, sheetAt + "\x00\x00\x01\x00S"s);
  // Two strings: "abc" in one byte per character, then "de" + "\u00FCf" broken after "de",
  // the rest in two bytes per character.
  globals += record(0x00FC, "\x02\x00\x00\x00\x02\x00\x00\x00"s + "\x03\x00\x00"s + "abc" +
                                "\x04\x00\x00"s + "de");
  globals += record(0x003C, "\x01\xFC\x00"s + "f" + "\x00"s);
  globals += record(0x000A, "");
  const uint32_t sheet = static_cast<uint32_t>(globals.size());
  std::string stream = globals;
  stream += record(0x0809, std::string(16, '\0'));
  stream += record(0x00FD, "\x00\x00\x00\x00\x0F\x00\x01\x00\x00\x00"s);
  stream += record(0x00FD, "\x01\x00\x00\x00\x0F\x00\x00\x00\x00\x00"s);
  stream += record(0x00FD, "\x02\x00\x00\x00\x0F\x00\x09\x00\x00\x00"s);  // no such string
  stream += record(0x000A, "");
  for (int i = 0; i < 4; ++i) stream[boundSheet + 4 + i] = static_cast<char>(sheet >> (8 * i));
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(stream.data()),
                                       stream.size());
  const Document document = ParseXlsWorkbook(bytes);
  ASSERT_EQ(document.pieces.size(), 2U);
  EXPECT_EQ(document.pieces[0].text, u"de\u00FCf");
  EXPECT_EQ(document.pieces[1].text, u"abc");
}

TEST(SpreadsheetReader, JoinsInlineRichRunsAndLeavesOutPhoneticGuidesAndStringFormulas) {
  const ReadResult result = ReadSpreadsheet(test::FixturePath("formats/inline.xlsx"));
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  const std::vector<Piece> expected = {
      {PieceKind::SheetCell, u"Inline words here", 0, false},
      {PieceKind::SheetCell, u"Rich runs", 0, false},
  };
  EXPECT_EQ(PiecesOf(result.Doc()), expected);
}

TEST(SpreadsheetReader, RepeatedCellsCountEachTimeTheyAreShownAndEmptyRepeatsCostNothing) {
  const test::TempDir dir;
  const std::string path = dir.Write("repeat.fods", R"(<?xml version="1.0"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>
<table:table table:name="S"><table:table-row table:number-rows-repeated="2">
<table:table-cell office:value-type="string" table:number-columns-repeated="3"><text:p>ab</text:p></table:table-cell>
</table:table-row><table:table-row table:number-rows-repeated="1048570">
<table:table-cell table:number-columns-repeated="16384"/></table:table-row>
</table:table></office:spreadsheet></office:body></office:document>)");
  const ReadResult result = ReadSpreadsheet(path);
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  EXPECT_EQ(result.Doc().pieces.size(), 6U);
}

TEST(SpreadsheetReader, ADamagedOrForeignFileIsThatFilesError) {
  for (const char* file : {"formats/damaged/cut.xlsx", "formats/damaged/cut.ods",
                           "formats/sentences.csv", "formats/no-such.xlsx"}) {
    const std::string path = test::FixturePath(file);
    const ReadResult result = ReadSpreadsheet(path);
    ASSERT_FALSE(result.Ok()) << file;
    EXPECT_NE(result.Error().Reason().find(path), std::string::npos) << result.Error().Reason();
  }
}

}  // namespace
}  // namespace tw
