#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptReader.h"
#include "formats/presentation/PptRecords.h"
#include "formats/presentation/PptStreamBuilder.h"

namespace tw::powerpoint {
namespace {

// A document (persist 1) with one slide (persist 2) and a title master (persist 3).
struct SampleDeck {
  PptBuilder builder;
  ByteVector currentUser;

  SampleDeck() {
    builder.Add(Container(kRecordDocument,
                          {HeadersFooters(0x20, u"Default foot", 3),
                           Container(kRecordSlideListWithText, {SlidePersist(3)}, 1),
                           Container(kRecordSlideListWithText,
                                     {SlidePersist(2), Atom(kRecordTextHeaderAtom, U32s({0})),
                                      Atom(kRecordTextCharsAtom, Chars(u"Listed title")),
                                      Atom(kRecordTextHeaderAtom, U32s({1})),
                                      Atom(kRecordTextBytesAtom, {'o', 'r', 'p', 'h', 'a', 'n'})},
                                     0)}));
    const ByteVector footerPlaceholder = Container(
        kRecordSpContainer,
        {Fsp(1, 0x0A00),
         Container(kRecordClientData, {Atom(kRecordPlaceholderAtom, {0, 0, 0, 0, 9, 0, 0, 0})}),
         CharsBox(u"placeholder foot")});
    builder.Add(Container(
        kRecordSlide,
        {HeadersFooters(0x20, u"Slide foot", 0),
         Drawing({TextShape(1, Container(kRecordClientTextbox,
                                         {Atom(kRecordOutlineTextRefAtom, U32s({0}))})),
                  Container(kRecordSpgrContainer, {Container(kRecordSpContainer, {Fsp(0, 0x201)}),
                                                   TextShape(202, CharsBox(u"in a group"))}),
                  footerPlaceholder, Container(kRecordSpContainer, {Fsp(20, 0x0A00)})})}));
    // Only the title master's top-level shapes are its text frames, not its groups' members.
    builder.Add(Container(
        kRecordSlide,
        {Drawing({TextShape(1, CharsBox(u"Title \u2039#\u203A")),
                  Container(kRecordSpgrContainer, {Container(kRecordSpContainer, {Fsp(0, 0x201)}),
                                                   TextShape(202, CharsBox(u"grouped"))})})}));
    currentUser = builder.CurrentUser(builder.AddEdit(1, builder.Offsets(), 0));
  }
  Document Read() { return ReadPptStreams(currentUser, builder.Stream()); }
};

// A piece as the tests compare it: kind, slide, group depth, text.
using Piece = std::tuple<PieceKind, int, int, std::u16string>;

std::vector<Piece> PiecesOf(const Document& document) {
  std::vector<Piece> pieces;
  for (const TextPiece& piece : document.pieces) {
    pieces.emplace_back(piece.kind, piece.container, piece.groupDepth, piece.text);
  }
  return pieces;
}

TEST(PptReader, FollowsUserEditsToTheLiveSlides) {
  SampleDeck deck;
  const Document document = deck.Read();
  // The outline reference, the group's member, then the text the slide list holds that no shape
  // refers to; the line has no text frame and the footer placeholder is the slide's footer.
  EXPECT_EQ(PiecesOf(document), (std::vector<Piece>{
                                    {PieceKind::SlideShape, 0, 0, u"Listed title"},
                                    {PieceKind::SlideShape, 0, 1, u"in a group"},
                                    {PieceKind::SlideShape, 0, 0, u"orphan"},
                                    {PieceKind::SlideFooter, 0, 0, u"Slide foot"},
                                    {PieceKind::TitleMaster, 0, 0, u"Title \u2039#\u203A"},
                                }));
  EXPECT_TRUE(document.hasTitleMaster);
}

// A hidden slide whose text holds a slide-number field, with a notes page and a comment.
TEST(PptReader, NotesCommentsFieldsAndHiddenSlides) {
  // A header or footer marked the later way is the notes page's, not a note; on a slide such a
  // shape stays a shape, as it always counted.
  const auto roundTripFooter = [](std::u16string_view text) {
    return Container(kRecordSpContainer,
                     {Fsp(1, 0x0A00),
                      Container(kRecordClientData, {Atom(kRecordRoundTripHeaderFooterAtom, {9})}),
                      CharsBox(text)});
  };
  PptBuilder builder;
  builder.Add(
      Container(kRecordDocument, {Container(kRecordSlideListWithText, {SlidePersist(2)}, 0),
                                  Container(kRecordSlideListWithText, {SlidePersist(3)}, 2)}));
  ByteVector slideAtom = U32s({0, 0, 0, 0, 256 + 3, 0});
  ByteVector showInfo = U32s({0, 0});
  PutU16(showInfo, 0);       // effect direction and type
  PutU16(showInfo, 0x0004);  // hidden
  PutU32(showInfo, 0);
  const ByteVector numberedBox =
      Container(kRecordClientTextbox, {Atom(kRecordTextHeaderAtom, U32s({4})),
                                       Atom(kRecordTextCharsAtom, Chars(u"Slide * of *")),
                                       Atom(0x0FD8, U32s({6})), Atom(0x0FFA, U32s({11}))});
  const ByteVector comment = Container(
      kRecordComment10,
      {Atom(kRecordCString, Chars(u"Ann"), 0), Atom(kRecordCString, Chars(u"Looks good"), 1)});
  builder.Add(Container(
      kRecordSlide,
      {Atom(kRecordSlideAtom, slideAtom), Atom(0x03F9, showInfo), HeadersFooters(0x20, u"foot", 0),
       Drawing({TextShape(1, numberedBox), roundTripFooter(u"kept")}),
       Container(0x1388, {Container(0x138A, {Atom(kRecordCString, Chars(u"___PPT10")),
                                             Atom(kRecordBinaryTagData, comment)})})}));
  builder.Add(Container(kRecordNotes, {Drawing({TextShape(1, CharsBox(u"Say hello")),
                                                roundTripFooter(u"notes foot")})}));
  const ByteVector currentUser = builder.CurrentUser(builder.AddEdit(1, builder.Offsets(), 0));
  const Document document = ReadPptStreams(currentUser, builder.Stream());
  EXPECT_EQ(PiecesOf(document), (std::vector<Piece>{
                                    {PieceKind::SlideShape, 0, 0, u"Slide 1 of foot"},
                                    {PieceKind::SlideShape, 0, 0, u"kept"},
                                    {PieceKind::SlideFooter, 0, 0, u"foot"},
                                    {PieceKind::Notes, 0, 0, u"Say hello"},
                                    {PieceKind::Comment, 0, 0, u"Looks good"},
                                }));
  for (const TextPiece& piece : document.pieces) EXPECT_TRUE(piece.hidden);
}

TEST(PptReader, ANewerEditHidesTheOlderSlide) {
  SampleDeck deck;
  const uint32_t firstEdit = ReadU32(deck.currentUser, 16);
  const uint32_t newSlide = static_cast<uint32_t>(deck.builder.Stream().size());
  deck.builder.Add(Container(kRecordSlide, {Drawing({TextShape(202, CharsBox(u"edited"))})}));
  deck.currentUser = deck.builder.CurrentUser(deck.builder.AddEdit(2, {newSlide}, firstEdit));
  const std::vector<Piece> pieces = PiecesOf(deck.Read());
  ASSERT_GE(pieces.size(), 3u);
  EXPECT_EQ(pieces[0], Piece(PieceKind::SlideShape, 0, 0, u"edited"));
  EXPECT_EQ(pieces[1], Piece(PieceKind::SlideShape, 0, 0, u"Listed title"));  // now unreferenced
  // The new slide has no headers and footers of its own: it shows the presentation's default.
  EXPECT_EQ(pieces[3], Piece(PieceKind::SlideFooter, 0, 0, u"Default foot"));
}

TEST(PptReader, ALoopOfUserEditsEnds) {
  SampleDeck deck;
  // An edit whose previous edit is itself.
  const uint32_t edit = static_cast<uint32_t>(deck.builder.Stream().size()) + 8 + 16;
  deck.currentUser =
      deck.builder.CurrentUser(deck.builder.AddEdit(1, deck.builder.Offsets(), edit));
  EXPECT_EQ(ReadU32(deck.currentUser, 16), edit);
  EXPECT_EQ(deck.Read().pieces.size(), 5u);
}

TEST(PptReader, ASlideListedOverAndOverIsAnError) {
  PptBuilder builder;
  std::vector<ByteVector> list;
  for (int i = 0; i < 100000; ++i) list.push_back(SlidePersist(2));
  builder.Add(Container(kRecordDocument, {Container(kRecordSlideListWithText, list, 0)}));
  builder.Add(Container(kRecordSlide, {Drawing({TextShape(202, CharsBox(u"the same text"))})}));
  const ByteVector currentUser = builder.CurrentUser(builder.AddEdit(1, builder.Offsets(), 0));
  EXPECT_THROW(ReadPptStreams(currentUser, builder.Stream()), ContainerError);
}

TEST(PptReader, DamagedStreamsAreErrorsNeverCrashes) {
  SampleDeck deck;
  const ByteVector stream = deck.builder.Stream();
  // Every prefix of the stream, and every byte of it set to 0xFF in turn.
  for (size_t length = 0; length < stream.size(); ++length) {
    const ByteVector prefix(stream.begin(), stream.begin() + static_cast<ptrdiff_t>(length));
    try {
      (void)ReadPptStreams(deck.currentUser, prefix);
    } catch (const ContainerError&) {
    }
  }
  for (size_t at = 0; at < stream.size(); ++at) {
    ByteVector damaged = stream;
    damaged[at] = 0xFF;
    try {
      (void)ReadPptStreams(deck.currentUser, damaged);
    } catch (const ContainerError&) {
    }
  }
  SUCCEED();
}

TEST(PptReader, SaysWhyItCannotRead) {
  SampleDeck deck;
  const struct {
    ByteVector currentUser;
    const char* why;
  } cases[] = {
      {{}, "current user"},
      {deck.builder.CurrentUser(ReadU32(deck.currentUser, 16), 0xF3D1C4DF), "encrypted"},
      {deck.builder.CurrentUser(0xFFFFFFF0), "user edit"},
      {deck.builder.CurrentUser(3), "user edit"},
  };
  for (const auto& c : cases) {
    try {
      (void)ReadPptStreams(c.currentUser, deck.builder.Stream());
      ADD_FAILURE() << c.why;
    } catch (const ContainerError& error) {
      EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << error.what();
    }
  }
}

TEST(PptRecords, RecordsStayInsideTheirBytes) {
  const ByteVector bytes = Atom(kRecordTextCharsAtom, Chars(u"ab"));
  ASSERT_TRUE(ReadPptRecord(bytes, 0));
  EXPECT_EQ(TextOfCharsAtom(ReadPptRecord(bytes, 0)->body), u"ab");
  EXPECT_FALSE(ReadPptRecord(bytes, 1));
  EXPECT_FALSE(ReadPptRecord(ByteVector(bytes.begin(), bytes.end() - 1), 0));
  EXPECT_FALSE(ReadPptRecord(bytes, UINT64_MAX));
  ByteVector huge = bytes;
  huge[4] = huge[5] = huge[6] = huge[7] = 0xFF;  // a length of 4 GiB
  EXPECT_FALSE(ReadPptRecord(huge, 0));
  EXPECT_TRUE(ReadPptChildren(huge).empty());
  EXPECT_EQ(ReadU32(bytes, bytes.size() - 3), 0u);
}

}  // namespace
}  // namespace tw::powerpoint
