#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/presentation/PresentationReader.h"
#include "formats/word/WordReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

std::vector<std::u16string> TextsOf(const Document& document, PieceKind kind) {
  std::vector<std::u16string> texts;
  for (const TextPiece& piece : document.pieces) {
    if (piece.kind == kind) texts.push_back(piece.text);
  }
  return texts;
}

TEST(OdtReader, HandsOutThePiecesTheWordReadersDo) {
  const struct {
    const char* file;
    PieceKind kind;
    std::vector<std::u16string> texts;
  } cases[] = {
      {"formats/odt/table.odt",
       PieceKind::TableCell,
       {u"Alpha\r", u"Beta gamma\r", u"12.5%\r", u"x y z\r"}},
      {"formats/odt/table.odt", PieceKind::Body, {u"Before the table.\rAfter.\r"}},
      {"formats/odt/notes.odt", PieceKind::Footnote, {u"Footnote body here.\r"}},
      {"formats/odt/notes.odt", PieceKind::Endnote, {u"An endnote.\r"}},
      {"formats/odt/notes.odt", PieceKind::Body, {u"Text with a note.\r"}},
      {"formats/odt/textbox.odt", PieceKind::TextBox, {u"Boxed words here\r"}},
      {"formats/odt/textbox.odt", PieceKind::AutoShape, {u"Shape text\r"}},
      {"formats/odt/tracked.odt", PieceKind::Body, {u"Kept inserted text.\r"}},
      {"formats/odt/hidden.odt", PieceKind::Body, {u"Visible words.\r"}},
      {"formats/odt/field.odt", PieceKind::Body, {u"Page 1 of 1 pages.\r"}},
      {"formats/odt/headers.odt", PieceKind::Header, {u"Header one\r", u"Second header text\r"}},
      {"formats/odt/headers.odt", PieceKind::Footer, {u"Footer one\r", u"Page footer\r"}},
  };
  for (const auto& c : cases) {
    const ReadResult result = ReadWordDocument(test::FixturePath(c.file));
    ASSERT_TRUE(result.Ok()) << c.file << ": " << result.Error().Reason();
    EXPECT_EQ(TextsOf(result.Doc(), c.kind), c.texts) << c.file << " kind " << int(c.kind);
  }
}

TEST(OdtReader, EachPageStyleInUseIsASectionWithItsOwnHeaderAndFooter) {
  const ReadResult result = ReadWordDocument(test::FixturePath("formats/odt/headers.odt"));
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  EXPECT_EQ(result.Doc().sectionCount, 2);
  std::vector<int> sections;
  for (const TextPiece& piece : result.Doc().pieces) {
    if (piece.kind == PieceKind::Header || piece.kind == PieceKind::Footer)
      sections.push_back(piece.container);
  }
  EXPECT_EQ(sections, (std::vector<int>{0, 0, 1, 1}));
}

TEST(OdtReader, ADeeplyNestedDocumentIsAnErrorNotACrash) {
  const test::TempDir dir;
  std::string lists;
  for (int i = 0; i < 5000; ++i) lists += "<text:list><text:list-item>";
  const std::string path = dir.Write(
      "deep.fodt",
      "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>" +
          lists + "</office:text></office:body></office:document>");
  EXPECT_FALSE(ReadWordDocument(path).Ok());
}

TEST(OdpReader, ReadsSlidesFootersAndNotesLikeThePowerPointReaders) {
  const ReadResult result = ReadPresentation(test::FixturePath("formats/odt/deck.odp"));
  ASSERT_TRUE(result.Ok()) << result.Error().Reason();
  const Document& deck = result.Doc();
  EXPECT_EQ(TextsOf(deck, PieceKind::SlideShape),
            (std::vector<std::u16string>{
                u"Quarterly review", u"Hello, world!", u"one", u"two", u"three four",
                u"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440", u"alpha", u"beta",
                u"gamma delta", u"Red green\rblue\vsky"}));
  EXPECT_EQ(TextsOf(deck, PieceKind::SlideFooter),
            (std::vector<std::u16string>{u"Sales review", u"Sales review"}));
  EXPECT_EQ(TextsOf(deck, PieceKind::Notes),
            (std::vector<std::u16string>{u"Speaker notes here", u"More notes that nobody counts"}));
}

TEST(OdfReaders, ADamagedPackageIsThatFilesError) {
  EXPECT_FALSE(ReadWordDocument(test::FixturePath("formats/damaged/cut.odt")).Ok());
  EXPECT_FALSE(ReadPresentation(test::FixturePath("formats/damaged/cut.odp")).Ok());
}

}  // namespace
}  // namespace tw
