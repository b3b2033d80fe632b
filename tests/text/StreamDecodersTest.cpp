#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/TextDecoder.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

using CodePoints = std::vector<char32_t>;

std::span<const uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Decodes `bytes` handed over in pieces that end at the given offsets.
CodePoints Decode(const DetectedEncoding& encoding, const std::string& bytes,
                  const std::vector<size_t>& cuts) {
  TextDecoder decoder(encoding);
  CodePoints out;
  auto sink = [&out](char32_t cp) { out.push_back(cp); };
  size_t from = 0;
  for (size_t cut : cuts) {
    decoder.Feed(AsBytes(bytes).subspan(from, cut - from), sink);
    from = cut;
  }
  decoder.Feed(AsBytes(bytes).subspan(from), sink);
  decoder.Finish(sink);
  return out;
}

CodePoints CodePointsOf(std::u32string_view text) {
  return {text.begin(), text.end()};
}

struct DecodeCase {
  const char* name;
  DetectedEncoding encoding;
  std::string bytes;
  std::u32string expected;
};

class StreamDecoding : public ::testing::TestWithParam<DecodeCase> {};

// Every way of cutting the bytes in two, and byte by byte, decodes as the whole does.
TEST_P(StreamDecoding, PiecesDecodeAsTheWhole) {
  const DecodeCase& c = GetParam();
  EXPECT_EQ(Decode(c.encoding, c.bytes, {}), CodePointsOf(c.expected));
  for (size_t cut = 0; cut <= c.bytes.size(); ++cut) {
    EXPECT_EQ(Decode(c.encoding, c.bytes, {cut}), CodePointsOf(c.expected)) << "cut at " << cut;
  }
  std::vector<size_t> everyByte;
  for (size_t i = 1; i < c.bytes.size(); ++i) everyByte.push_back(i);
  EXPECT_EQ(Decode(c.encoding, c.bytes, everyByte), CodePointsOf(c.expected));
}

const DetectedEncoding kUtf8{TextEncoding::Utf8, 0, {}};
const DetectedEncoding kUtf16LE{TextEncoding::Utf16LE, 0, {}};
const DetectedEncoding kUtf16BE{TextEncoding::Utf16BE, 0, {}};
const DetectedEncoding kShiftJis{TextEncoding::Legacy, 0, "Shift_JIS"};
const DetectedEncoding kIso2022Jp{TextEncoding::Legacy, 0, "ISO-2022-JP"};

INSTANTIATE_TEST_SUITE_P(
    Encodings, StreamDecoding,
    ::testing::Values(
        DecodeCase{"utf8_mixed_lengths", kUtf8, "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z",
                   U"a\u00E9\u4E2D\U0001F600z"},
        // A broken sequence gives its lead as itself; the bytes after it are read afresh.
        DecodeCase{"utf8_broken_sequences", kUtf8, "\xE4\xB8x\xC3\xC3\xA9\x80\xF0\x9F\x98",
                   U"\u00E4\u00B8x\u00C3\u00E9\u0080\u00F0\u009F\u0098"},
        DecodeCase{"utf8_overlong_and_surrogate", kUtf8, "\xC0\xAF\xED\xA0\x80",
                   U"\u00C0\u00AF\u00ED\u00A0\u0080"},
        DecodeCase{"utf16le_pair_and_odd_byte", kUtf16LE, std::string("a\0=\xD8\x00\xDE!", 7),
                   U"a\U0001F600!"},
        DecodeCase{"utf16be_lone_surrogates", kUtf16BE, std::string("\xD8\x3D\0x\xDC\x00", 6),
                   U"\xD83Dx\xDC00"},
        DecodeCase{"shift_jis", kShiftJis, "\x93\xFA\x96\x7B\x8C\xEA a\x82\xA0",
                   U"\u65E5\u672C\u8A9E a\u3042"},
        // 0xA0 starts no character in Shift_JIS and 0x82 0xFF is no pair.
        DecodeCase{"shift_jis_bad_bytes", kShiftJis, "\xA0x\x82\xFF", U"\u00A0x\u0082\u00FF"},
        DecodeCase{"iso_2022_jp_shifts", kIso2022Jp, "a\x1B$BF|K\\\x1B(Bb", U"a\u65E5\u672Cb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8Decoder, TellsValidMultiByteTextFromBrokenText) {
  const struct {
    std::string bytes;
    bool multiByte;
    bool invalid;
  } cases[] = {
      {"plain", false, false},      {"caf\xC3\xA9", true, false},  {"caf\xE9", false, true},
      {"\xC3\xA9\xE9", true, true}, {"cut \xE4\xB8", false, true},  // a sequence the end cuts short
  };
  for (const auto& c : cases) {
    Utf8Decoder decoder;
    auto ignore = [](char32_t) {};
    decoder.Feed(AsBytes(c.bytes), ignore);
    decoder.Finish(ignore);
    EXPECT_EQ(decoder.SawMultiByte(), c.multiByte) << c.bytes;
    EXPECT_EQ(decoder.SawInvalid(), c.invalid) << c.bytes;
  }
}

}  // namespace
}  // namespace tw
