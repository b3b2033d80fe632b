#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptReader.h"
#include "formats/presentation/PptRecords.h"

namespace tw::powerpoint {
namespace {

using ByteVector = std::vector<uint8_t>;

void PutU16(ByteVector& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
void PutU32(ByteVector& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out, static_cast<uint16_t>(value >> 16));
}

ByteVector Record(uint16_t type, uint16_t instance, uint16_t version, const ByteVector& body) {
  ByteVector out;
  PutU16(out, static_cast<uint16_t>(version | (instance << 4)));
  PutU16(out, type);
  PutU32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}
ByteVector Atom(uint16_t type, const ByteVector& body, uint16_t instance = 0) {
  return Record(type, instance, 0, body);
}
ByteVector Container(uint16_t type, const std::vector<ByteVector>& children,
                     uint16_t instance = 0) {
  ByteVector body;
  for (const ByteVector& child : children) body.insert(body.end(), child.begin(), child.end());
  return Record(type, instance, 0xF, body);
}
ByteVector U32s(std::initializer_list<uint32_t> values) {
  ByteVector out;
  for (uint32_t value : values) PutU32(out, value);
  return out;
}
ByteVector Chars(std::u16string_view text) {
  ByteVector out;
  for (char16_t unit : text) PutU16(out, unit);
  return out;
}

ByteVector SlidePersist(uint32_t persistId) {
  return Atom(kRecordSlidePersistAtom, U32s({persistId, 0, 0, 256 + persistId, 0}));
}
ByteVector Fsp(uint16_t shapeKind, uint32_t flags) {
  return Record(kRecordFsp, shapeKind, 2, U32s({1024, flags}));
}
ByteVector TextShape(uint16_t shapeKind, const ByteVector& textbox) {
  return Container(kRecordSpContainer, {Fsp(shapeKind, 0x0A00), textbox});
}
ByteVector CharsBox(std::u16string_view text) {
  return Container(kRecordClientTextbox, {Atom(kRecordTextHeaderAtom, U32s({4})),
                                          Atom(kRecordTextCharsAtom, Chars(text))});
}
ByteVector Drawing(const std::vector<ByteVector>& shapes) {
  std::vector<ByteVector> group = {Container(kRecordSpContainer, {Fsp(0, 0x005)})};
  group.insert(group.end(), shapes.begin(), shapes.end());
  return Container(kRecordDrawing,
                   {Container(kRecordDgContainer, {Container(kRecordSpgrContainer, group)})});
}
ByteVector HeadersFooters(uint16_t flags, std::u16string_view footer, uint16_t instance) {
  ByteVector atom;
  PutU16(atom, 0);
  PutU16(atom, flags);
  return Container(kRecordHeadersFooters,
                   {Atom(kRecordHeadersFootersAtom, atom), Atom(kRecordCString, Chars(footer), 2)},
                   instance);
}

// Builds a "PowerPoint Document" stream persist object by persist object, then its persist
// directory and user edit, and the "Current User" stream that points at the edit.
class PptBuilder {
 public:
  uint32_t Add(const ByteVector& object) {
    offsets_.push_back(static_cast<uint32_t>(stream_.size()));
    stream_.insert(stream_.end(), object.begin(), object.end());
    return static_cast<uint32_t>(offsets_.size());  // persist ids start at 1
  }
  // Writes a persist directory for `ids` (first id and offsets) and a user edit after it.
  uint32_t AddEdit(uint32_t firstId, const std::vector<uint32_t>& offsets, uint32_t lastEdit,
                   uint32_t documentId = 1) {
    ByteVector directory;
    PutU32(directory, firstId | (static_cast<uint32_t>(offsets.size()) << 20));
    for (uint32_t offset : offsets) PutU32(directory, offset);
    const uint32_t directoryOffset = static_cast<uint32_t>(stream_.size());
    const ByteVector dirRecord = Atom(kRecordPersistDirectoryAtom, directory);
    stream_.insert(stream_.end(), dirRecord.begin(), dirRecord.end());
    const uint32_t editOffset = static_cast<uint32_t>(stream_.size());
    const ByteVector edit = Atom(
        kRecordUserEditAtom, U32s({0, 0x03000000, lastEdit, directoryOffset, documentId, 16, 1}));
    stream_.insert(stream_.end(), edit.begin(), edit.end());
    return editOffset;
  }
  ByteVector CurrentUser(uint32_t editOffset, uint32_t token = 0xE391C05F) const {
    return Atom(kRecordCurrentUserAtom, U32s({20, token, editOffset, 0}));
  }
  const std::vector<uint32_t>& Offsets() const { return offsets_; }
  ByteVector& Stream() { return stream_; }

 private:
  ByteVector stream_;
  std::vector<uint32_t> offsets_;
};

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
