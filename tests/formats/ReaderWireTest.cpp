#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <variant>

#include "formats/isolation/ReaderWire.h"

namespace tw {
namespace {

// A byte source over `bytes`.
ReaderWire::ByteSource Over(const std::string& bytes, size_t& position) {
  return [&bytes, &position](void* into, size_t size) {
    if (bytes.size() - position < size) return false;
    std::memcpy(into, bytes.data() + position, size);
    position += size;
    return true;
  };
}

std::string U32(uint32_t value) {
  return std::string(reinterpret_cast<char*>(&value), 4);
}

TextPiece SamplePiece() {
  TextPiece piece;
  piece.kind = PieceKind::Footer;
  piece.text = u"Seite \u00e4 1";
  piece.container = 3;
  piece.headerFooter = HeaderFooterType::EvenPages;
  piece.groupDepth = 2;
  piece.hidden = true;
  piece.revision = Revision::Deleted;
  piece.fieldResult = true;
  return piece;
}

TEST(ReaderWire, EveryFrameComesBackAsSent) {
  size_t position = 0;
  const std::string request = ReaderWire::EncodeRequest({DocumentFormat::XliffTarget, "/a b.xlf"});
  const auto back = ReaderWire::ReadRequest(Over(request, position));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->format, DocumentFormat::XliffTarget);
  EXPECT_EQ(back->path, "/a b.xlf");

  const TextPiece sent = SamplePiece();
  const std::string bytes =
      ReaderWire::EncodePiece(sent) + ReaderWire::EncodeEnd({4, true}) +
      ReaderWire::EncodeError(ReaderError("locked: /x", ReaderError::Cause::NeedsPassword, "why"));
  position = 0;
  const auto source = Over(bytes, position);
  const auto piece = ReaderWire::ReadFrame(source);
  ASSERT_TRUE(piece && std::holds_alternative<TextPiece>(*piece));
  const TextPiece& got = std::get<TextPiece>(*piece);
  EXPECT_TRUE(got.kind == sent.kind && got.text == sent.text && got.container == 3 &&
              got.headerFooter == sent.headerFooter && got.groupDepth == 2 && got.hidden &&
              got.revision == sent.revision && got.fieldResult);
  const auto end = ReaderWire::ReadFrame(source);
  ASSERT_TRUE(end && std::holds_alternative<ReaderWire::End>(*end));
  EXPECT_EQ(std::get<ReaderWire::End>(*end).sectionCount, 4);
  EXPECT_TRUE(std::get<ReaderWire::End>(*end).hasTitleMaster);
  const auto error = ReaderWire::ReadFrame(source);
  ASSERT_TRUE(error && std::holds_alternative<ReaderError>(*error));
  EXPECT_EQ(std::get<ReaderError>(*error).Reason(), "locked: /x");
  EXPECT_EQ(std::get<ReaderError>(*error).Detail(), "why");
  EXPECT_EQ(std::get<ReaderError>(*error).GetCause(), ReaderError::Cause::NeedsPassword);
  EXPECT_FALSE(ReaderWire::ReadFrame(source));
}

TEST(ReaderWire, DataCutShortAnywhereIsRejected) {
  const std::string frames[] = {ReaderWire::EncodePiece(SamplePiece()),
                                ReaderWire::EncodeEnd({1, false}),
                                ReaderWire::EncodeError(ReaderError("r", {}, "d"))};
  for (const std::string& frame : frames) {
    for (size_t length = 0; length < frame.size(); ++length) {
      size_t position = 0;
      EXPECT_FALSE(ReaderWire::ReadFrame(Over(frame.substr(0, length), position))) << length;
    }
  }
  const std::string request = ReaderWire::EncodeRequest({DocumentFormat::Pdf, "/x.pdf"});
  for (size_t length = 0; length < request.size(); ++length) {
    size_t position = 0;
    EXPECT_FALSE(ReaderWire::ReadRequest(Over(request.substr(0, length), position))) << length;
  }
}

// Each field a hostile helper could bend, bent one at a time.
TEST(ReaderWire, HostileFiguresAreRejected) {
  const std::string piece = ReaderWire::EncodePiece(SamplePiece());
  const struct {
    size_t offset;  // of the 32-bit field overwritten
    uint32_t value;
  } bent[] = {
      {0, 0x12345678},                                   // no frame type
      {4, static_cast<uint32_t>(PieceKind::Block) + 1},  // kind
      {8, 3},                                            // header or footer type
      {12, 3},                                           // revision
      {16, 4},                                           // flags
      {28, ReaderWire::kMaxPieceUnits + 1},              // text length
  };
  for (const auto& b : bent) {
    std::string bytes = piece;
    std::memcpy(bytes.data() + b.offset, &b.value, sizeof b.value);
    size_t position = 0;
    EXPECT_FALSE(ReaderWire::ReadFrame(Over(bytes, position))) << b.offset;
  }
  std::string end = ReaderWire::EncodeEnd({1, true});
  end[8] = 2;  // a title master is there or not
  size_t position = 0;
  EXPECT_FALSE(ReaderWire::ReadFrame(Over(end, position)));
  const std::string requests[] = {
      ReaderWire::EncodeRequest({DocumentFormat::Pdf, ""}),
      U32(0x51525754) + U32(kDocumentFormatCount) + U32(1) + "x",
      U32(0x51525754) + U32(0) + U32(ReaderWire::kMaxTextBytes + 1) + "x",
  };
  for (const std::string& request : requests) {
    position = 0;
    EXPECT_FALSE(ReaderWire::ReadRequest(Over(request, position)));
  }
}

}  // namespace
}  // namespace tw
