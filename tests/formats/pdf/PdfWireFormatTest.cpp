#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "formats/pdf/PdfWireFormat.h"

namespace tw {
namespace {

// A byte source over `bytes`.
PdfWireFormat::ByteSource Over(const std::string& bytes, size_t& position) {
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

TEST(PdfWireFormat, HeaderAndPagesComeBackAsSent) {
  const std::u16string page1 = u"Hello, \u043c\u0438\u0440\r\nend\f";
  using Opening = PdfWireFormat::Opening;
  for (const Opening opening : {Opening::Failed, Opening::NeedsPassword}) {
    size_t position = 0;
    const auto header =
        PdfWireFormat::ReadHeader(Over(PdfWireFormat::EncodeHeader({opening, 0}), position));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->opening, opening);
  }
  const std::string bytes = PdfWireFormat::EncodeHeader({Opening::Opened, 2}) +
                            PdfWireFormat::EncodePage(page1) + PdfWireFormat::EncodePage(u"");
  size_t position = 0;
  const auto source = Over(bytes, position);
  const auto header = PdfWireFormat::ReadHeader(source);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->opening, Opening::Opened);
  EXPECT_EQ(header->pageCount, 2);
  EXPECT_EQ(PdfWireFormat::ReadPage(source), page1);
  EXPECT_EQ(PdfWireFormat::ReadPage(source), u"");
  EXPECT_FALSE(PdfWireFormat::ReadPage(source));
}

TEST(PdfWireFormat, DataCutShortAnywhereIsRejected) {
  const std::string page = PdfWireFormat::EncodePage(u"abc de");
  for (size_t length = 0; length < page.size(); ++length) {
    const std::string cut = page.substr(0, length);
    size_t position = 0;
    EXPECT_FALSE(PdfWireFormat::ReadPage(Over(cut, position))) << length;
  }
  const std::string header = PdfWireFormat::EncodeHeader({PdfWireFormat::Opening::Opened, 1});
  for (size_t length = 0; length < header.size(); ++length) {
    const std::string cut = header.substr(0, length);
    size_t position = 0;
    EXPECT_FALSE(PdfWireFormat::ReadHeader(Over(cut, position))) << length;
  }
}

TEST(PdfWireFormat, HostileFiguresAreRejected) {
  const std::string good = PdfWireFormat::EncodeHeader({PdfWireFormat::Opening::Opened, 1});
  const std::string cases[] = {
      U32(0x12345678) + good.substr(4),     // not from a helper
      good.substr(0, 4) + U32(3) + U32(1),  // no way a document opens
      good.substr(0, 8) + U32(0x80000000),  // a negative page count
  };
  for (const std::string& bytes : cases) {
    size_t position = 0;
    EXPECT_FALSE(PdfWireFormat::ReadHeader(Over(bytes, position)));
  }
  const std::string pages[] = {
      U32(0xFFFFFFFF),                                 // longer than any page may be
      U32(PdfWireFormat::kMaxPageUnits + 1) + "abcd",  // just over the bound
  };
  for (const std::string& bytes : pages) {
    size_t position = 0;
    EXPECT_FALSE(PdfWireFormat::ReadPage(Over(bytes, position)));
  }
}

}  // namespace
}  // namespace tw
