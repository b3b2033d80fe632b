#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "formats/word/PieceSummary.h"
#include "formats/word/doc/DocStreams.h"

namespace tw {
namespace {

using test::Frames;
using test::HeadersAndFooters;
using test::PieceSummary;
using test::TextOf;

void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  if (bytes.size() < at + 2) bytes.resize(at + 2);
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}

void Append32(std::vector<uint8_t>& bytes, uint32_t value) {
  Put32(bytes, bytes.size(), value);
}

// A small .doc made field by field: one 8-bit piece holding every story, the FIB's story lengths
// and whatever tables a test adds to the table stream.
struct SyntheticDoc {
  static constexpr size_t kTextAt = 1024;

  std::string text;
  std::array<uint32_t, 8> storyLengths{};         // main, footnotes, headers, macros, comments, ...
  std::map<size_t, std::vector<uint8_t>> tables;  // by their place in the FIB's table list
  std::vector<uint8_t> pieceProperties;           // a property list the piece refers to
  std::vector<uint8_t> formattingPage;  // a 512-byte page of character runs, placed as page 4
  uint16_t version = 0xC1;

  std::vector<uint8_t> Document() const {
    std::vector<uint8_t> stream(kTextAt);
    Put16(stream, 0, 0xA5EC);
    Put16(stream, 2, version);
    Put16(stream, 0x0A, 0x0200);  // tables in 1Table
    Put16(stream, 32, 14);
    Put16(stream, 62, 22);
    for (size_t i = 0; i < storyLengths.size(); ++i) Put32(stream, 76 + 4 * i, storyLengths[i]);
    Put16(stream, 152, 93);
    stream.insert(stream.end(), text.begin(), text.end());
    if (!formattingPage.empty()) {
      stream.resize(4 * 512);
      stream.insert(stream.end(), formattingPage.begin(), formattingPage.end());
    }
    return stream;
  }

  std::vector<uint8_t> Table() const {
    std::vector<uint8_t> table;
    std::map<size_t, std::pair<uint32_t, uint32_t>> placed;
    for (const auto& [index, bytes] : tables) {
      placed[index] = {static_cast<uint32_t>(table.size()), static_cast<uint32_t>(bytes.size())};
      table.insert(table.end(), bytes.begin(), bytes.end());
    }
    const uint32_t clxAt = static_cast<uint32_t>(table.size());
    if (!pieceProperties.empty()) {
      table.push_back(0x01);
      Put16(table, table.size(), static_cast<uint32_t>(pieceProperties.size()));
      table.insert(table.end(), pieceProperties.begin(), pieceProperties.end());
    }
    table.push_back(0x02);
    Append32(table, 16);
    Append32(table, 0);
    Append32(table, static_cast<uint32_t>(text.size()));
    Put16(table, table.size(), 0);
    Append32(table, (kTextAt * 2) | 0x40000000);  // 8-bit text at kTextAt
    Put16(table, table.size(), pieceProperties.empty() ? 0 : 1);
    placed[33] = {clxAt, static_cast<uint32_t>(table.size() - clxAt)};
    tableRanges = placed;
    return table;
  }

  tw::Document Read() const {
    const std::vector<uint8_t> table = Table();
    std::vector<uint8_t> document = Document();
    for (const auto& [index, range] : tableRanges) {
      Put32(document, 154 + 8 * index, range.first);
      Put32(document, 154 + 8 * index + 4, range.second);
    }
    return ReadDocStreams(document, table);
  }

  mutable std::map<size_t, std::pair<uint32_t, uint32_t>> tableRanges;
};

std::vector<uint8_t> Plex(const std::vector<uint32_t>& positions, size_t descriptorSize,
                          const std::vector<uint16_t>& firstWords = {}) {
  std::vector<uint8_t> plex;
  for (uint32_t cp : positions) Append32(plex, cp);
  for (size_t i = 0; i + 1 < positions.size(); ++i) {
    const size_t at = plex.size();
    plex.resize(at + descriptorSize);
    if (i < firstWords.size()) Put16(plex, at + 4, firstWords[i]);
  }
  return plex;
}

TEST(DocStreams, StoriesFollowOneAnotherByTheirLengths) {
  SyntheticDoc doc;
  doc.text = "Main \x93quoted\x94\rNote\rEnd\r";
  doc.storyLengths = {14, 5, 0, 0, 0, 4, 0, 0};
  const Document document = doc.Read();
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"Main \u201Cquoted\u201D\r");  // Windows-1252
  EXPECT_EQ(TextOf(document, PieceKind::Footnote), u"Note\r");
  EXPECT_EQ(TextOf(document, PieceKind::Endnote), u"End\r");
  EXPECT_EQ(document.sectionCount, 1);
  EXPECT_EQ(document.pieces.size(), 3u);
}

TEST(DocStreams, HeaderPlexGivesEachSectionItsPrimaryStoriesOrALink) {
  SyntheticDoc doc;
  doc.text = "Body\rHead one\rFoot one\r\r";
  doc.storyLengths = {5, 0, 19, 0, 0, 0, 0, 0};
  // Six separator stories (empty), then section 1: even header (empty), header, even footer
  // (empty), footer, first-page header and footer (empty); section 2: all empty, so linked;
  // then the closing paragraph mark.
  doc.tables[11] = Plex({0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 18, 18, 18, 18, 18, 18, 18, 18, 18, 19}, 0);
  doc.tables[6] = Plex({0, 2, 5}, 12);  // two sections
  const Document document = doc.Read();
  EXPECT_EQ(document.sectionCount, 2);
  const std::vector<PieceSummary> own = {{PieceKind::Header, 0, 0, u"Head one\r"},
                                         {PieceKind::Footer, 0, 0, u"Foot one\r"}};
  EXPECT_EQ(HeadersAndFooters(document), own);
}

TEST(DocStreams, TextBoxPlexSkipsFreeSlotsAndThePlaceholder) {
  SyntheticDoc doc;
  doc.text = "Body\rBox A\rFree\rBox B\r\r";
  doc.storyLengths = {5, 0, 0, 0, 0, 0, 18, 0};
  doc.tables[56] = Plex({0, 6, 11, 17, 18}, 22, {0, 1, 0, 0});
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"Box A\r"},
                                            {PieceKind::TextBox, 0, 0, u"Box B\r"}};
  EXPECT_EQ(Frames(doc.Read()), frames);
}

TEST(DocStreams, PieceMarkedDeletedByItsPropertiesKeepsOnlyBreaks) {
  SyntheticDoc doc;
  doc.text = "gone\rgone";
  doc.storyLengths = {9, 0, 0, 0, 0, 0, 0, 0};
  doc.pieceProperties = {0x00, 0x08, 0x01};  // deleted
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), u"\r");
}

// A style record: a character style with a one-letter name, its base and its properties.
std::vector<uint8_t> CharacterStyle(uint16_t base, const std::vector<uint8_t>& properties) {
  std::vector<uint8_t> std(10);
  Put16(std, 0, 0x0FFE);
  Put16(std, 2, 2 | (base << 4));
  Put16(std, 10, 1);
  Put16(std, 12, 'S');
  Put16(std, 14, 0);
  Put16(std, 16, static_cast<uint32_t>(properties.size()));
  std.insert(std.end(), properties.begin(), properties.end());
  return std;
}

TEST(DocStreams, TextHiddenByItsCharacterStyleOrTheStylesBaseIsLeftOut) {
  SyntheticDoc doc;
  doc.text = "Shown hidden base opposite plain\r";
  doc.storyLengths = {33, 0, 0, 0, 0, 0, 0, 0};
  const std::vector<std::vector<uint8_t>> styles = {
      CharacterStyle(0x0FFF, {0x3C, 0x08, 0x01}),  // 10: hidden
      CharacterStyle(10, {}),                      // 11: based on 10
      CharacterStyle(10, {0x3C, 0x08, 0x81}),      // 12: the opposite of 10
  };
  std::vector<uint8_t> sheet;
  Put16(sheet, 0, 18);
  Put16(sheet, 2, 13);
  Put16(sheet, 4, 10);
  sheet.resize(20);
  for (int empty = 0; empty < 10; ++empty) Put16(sheet, sheet.size(), 0);
  for (const std::vector<uint8_t>& style : styles) {
    Put16(sheet, sheet.size(), static_cast<uint32_t>(style.size()));
    sheet.insert(sheet.end(), style.begin(), style.end());
  }
  doc.tables[1] = sheet;

  // Runs by byte offset of the 8-bit text (which starts at 1024): "hidden " in style 10,
  // "base " in 11, "opposite " in 12, "plain" in 10 with hidden switched off directly.
  const std::vector<uint32_t> bounds = {1030, 1037, 1042, 1051, 1057};
  const std::vector<std::vector<uint8_t>> properties = {{0x30, 0x4A, 10, 0},
                                                        {0x30, 0x4A, 11, 0},
                                                        {0x30, 0x4A, 12, 0},
                                                        {0x30, 0x4A, 10, 0, 0x3C, 0x08, 0x00}};
  doc.formattingPage.assign(512, 0);
  for (size_t i = 0; i < bounds.size(); ++i) Put32(doc.formattingPage, 4 * i, bounds[i]);
  for (size_t r = 0; r < properties.size(); ++r) {
    const size_t at = 256 + 16 * r;
    doc.formattingPage[20 + r] = static_cast<uint8_t>(at / 2);
    doc.formattingPage[at] = static_cast<uint8_t>(properties[r].size());
    std::copy(properties[r].begin(), properties[r].end(), doc.formattingPage.begin() + at + 1);
  }
  doc.formattingPage[511] = static_cast<uint8_t>(properties.size());
  std::vector<uint8_t> pageTable;
  Append32(pageTable, bounds.front());
  Append32(pageTable, bounds.back());
  Append32(pageTable, 4);
  doc.tables[12] = pageTable;

  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), u"Shown opposite plain\r");
}

TEST(DocStreams, DamagedStyleSheetHidesNothing) {
  SyntheticDoc doc;
  doc.text = "Body\r";
  doc.storyLengths = {5, 0, 0, 0, 0, 0, 0, 0};
  doc.tables[1] = {18, 0, 200, 0, 10, 0, 0xFF, 0xFF, 0xFF};  // cut off after its header
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), u"Body\r");
}

TEST(DocStreams, HostileTablesAreErrorsNotHangs) {
  SyntheticDoc pages;
  pages.text = "Body\r";
  pages.storyLengths = {5, 0, 0, 0, 0, 0, 0, 0};
  // A million entries that all name the same formatting page.
  pages.tables[12] = Plex(std::vector<uint32_t>(1000001, 0), 4);
  EXPECT_THROW(pages.Read(), DocError);

  SyntheticDoc boxes;
  boxes.text = "Body\r";
  boxes.storyLengths = {5, 0, 0, 0, 0, 0, 0, 0};
  boxes.tables[56] = Plex(std::vector<uint32_t>(200000, 0), 22);
  EXPECT_THROW(boxes.Read(), DocError);

  SyntheticDoc old;
  old.version = 0x30;
  old.text = "Body\r";
  old.storyLengths = {5, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_THROW(old.Read(), DocError);
}

// Positions that go back would read one stretch again for each section or text box (a small file
// could claim gigabytes so); each stretch is read once, what goes back is empty.
TEST(DocStreams, StoryPlexesThatGoBackReadNoStretchTwice) {
  SyntheticDoc headers;
  headers.text = "Body\rHead\r";
  headers.storyLengths = {5, 0, 5, 0, 0, 0, 0, 0};
  // Section 1's header is [0, 5); its footer and both stories of sections 2 and 3 go back to 0.
  headers.tables[11] =
      Plex({0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 5, 5, 5, 0, 5, 0, 5, 5, 5, 0, 5, 0, 5, 5, 5}, 0);
  headers.tables[6] = Plex({0, 1, 2, 5}, 12);  // three sections
  const std::vector<PieceSummary> once = {{PieceKind::Header, 0, 0, u"Head\r"}};
  EXPECT_EQ(HeadersAndFooters(headers.Read()), once);

  SyntheticDoc boxes;
  boxes.text = "Body\rBox A\r\r";
  boxes.storyLengths = {5, 0, 0, 0, 0, 0, 7, 0};
  boxes.tables[56] = Plex({0, 6, 0, 6, 0, 6, 7}, 22);
  const std::vector<PieceSummary> frames = {{PieceKind::TextBox, 0, 0, u"Box A\r"}};
  EXPECT_EQ(Frames(boxes.Read()), frames);
}

// A Word 6.0/95 WordDocument stream, which holds its own tables: 8-bit text at kTextAt, read
// straight through (no piece table) unless `pieceProperties` asks for a fast-saved one.
struct SyntheticWord6 {
  static constexpr uint32_t kTextAt = 0x200;

  std::string text;  // the stored bytes: UTF-16LE when `flags` holds the extended-characters bit
  uint16_t language = 0x0409;
  uint16_t ident = 0xA5DC;
  uint16_t flags = 0;
  std::vector<uint8_t> pieceProperties;

  Document Read() const {
    std::vector<uint8_t> stream(kTextAt);
    Put16(stream, 0, ident);
    Put16(stream, 2, 0x65);
    Put16(stream, 6, language);
    Put16(stream, 0x0A, flags);
    const uint32_t characters =
        static_cast<uint32_t>((flags & 0x1000) != 0 ? text.size() / 2 : text.size());
    Put32(stream, 0x18, kTextAt);
    Put32(stream, 0x1C, kTextAt + static_cast<uint32_t>(text.size()));
    Put32(stream, 0x34, characters);
    stream.insert(stream.end(), text.begin(), text.end());
    if (!pieceProperties.empty()) {
      Put16(stream, 0x0A, flags | 0x0004);  // fast-saved: the piece table holds
      std::vector<uint8_t> clx{0x01};
      Put16(clx, 1, static_cast<uint32_t>(pieceProperties.size()));
      clx.insert(clx.end(), pieceProperties.begin(), pieceProperties.end());
      clx.push_back(0x02);
      Append32(clx, 16);
      Append32(clx, 0);
      Append32(clx, characters);
      Put16(clx, clx.size(), 0);
      Append32(clx, kTextAt);  // a plain byte offset, whatever the width of the text
      Put16(clx, clx.size(), 1);
      Put32(stream, 0x58 + 8 * 33, static_cast<uint32_t>(stream.size()));
      Put32(stream, 0x58 + 8 * 33 + 4, static_cast<uint32_t>(clx.size()));
      stream.insert(stream.end(), clx.begin(), clx.end());
    }
    return ReadDocStreams(stream, stream);
  }
};

TEST(DocStreams, Word6TextIsDecodedInTheCodePageOfItsLanguage) {
  const struct {
    uint16_t language;
    const char* bytes;
    std::u16string text;
  } cases[] = {
      {0x0804, "\xD6\xD0\xCE\xC4 ok\r", u"\u4E2D\u6587 ok\r"},  // GBK
      {0x0404, "\xA4\xA4\xA4\xE5 ok\r", u"\u4E2D\u6587 ok\r"},  // Big5
      {0x0411, "\x93\xFA\x96\x7B\r", u"\u65E5\u672C\r"},        // Shift_JIS
      {0x0419, "\xCF\xF0\xE8\xE2\xE5\xF2\r", u"\u041F\u0440\u0438\u0432\u0435\u0442\r"},
      {0x0405,
       "p\xF8\x9A"
       "ed\r",
       u"p\u0159\u0161ed\r"},                       // Windows-1250
      {0x0409, "\x93q\x94\r", u"\u201Cq\u201D\r"},  // Windows-1252
  };
  for (const auto& c : cases) {
    SyntheticWord6 doc;
    doc.language = c.language;
    doc.text = c.bytes;
    EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), c.text) << std::hex << c.language;
  }
}

TEST(DocStreams, Word6FastSavedPiecesAndTheirOneByteProperties) {
  SyntheticWord6 doc;
  doc.language = 0x0804;
  doc.text = "\xD6\xD0 hid\r";
  doc.pieceProperties = {85, 1, 92, 1};  // bold on, hidden on
  const Document document = doc.Read();
  EXPECT_EQ(TextOf(document, PieceKind::Body), u"\r");
  EXPECT_EQ(TextOf(document, PieceKind::Body, true), u"\u4E2D hid\r");

  doc.pieceProperties = {65, 1};  // deleted: neither shown nor hidden
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body, true), u"");
  doc.pieceProperties = {200, 1, 92, 1};  // an unknown code ends the list: the text shows
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), u"\u4E2D hid\r");
}

// Some writers mark a Word 6.0/95 file with an identifier of their own and the
// extended-characters flag, and store its text as UTF-16 (the version number still says 6.0/95).
TEST(DocStreams, Word6WithExtendedCharactersHoldsUtf16Text) {
  const std::u16string text = u"\u4E2D\u6587 fax\r";
  SyntheticWord6 doc;
  doc.ident = 0xA699;
  doc.flags = 0x1000;
  doc.text.assign(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), text);
  doc.pieceProperties = {85, 1};  // fast-saved, its one piece UTF-16 as well
  EXPECT_EQ(TextOf(doc.Read(), PieceKind::Body), text);
}

}  // namespace
}  // namespace tw
