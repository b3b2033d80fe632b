#include <gtest/gtest.h>

#include <random>
#include <string>

#include "counting/HtmlScanner.h"
#include "counting/TextScan.h"
#include "text/TextDecoding.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

std::span<const uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The head in one piece, as a file is read, then the rest cut at random.
template <class Stream>
FileCounts CountInPieces(Stream stream, const std::string& text, std::mt19937& random) {
  const std::span<const uint8_t> bytes = AsBytes(text);
  size_t from = std::min(bytes.size(), kTextHeadBytes);
  stream.Feed(bytes.first(from));
  while (from < bytes.size()) {
    const size_t length = std::min<size_t>(bytes.size() - from, 1 + random() % 7);
    stream.Feed(bytes.subspan(from, length));
    from += length;
  }
  return stream.Finish();
}

// Counts made without the stream: the byte scan, or the code-point scan of decoded text.
FileCounts ReferenceText(const std::string& text, bool decoded) {
  if (!decoded) return ScanBytes(AsBytes(text), false);
  return ScanUtf16Text(Utf8ToUtf16(text), {});
}

FileCounts ReferenceHtml(const std::string& text, bool decoded) {
  HtmlScanner html;
  if (decoded) {
    const std::u16string units = Utf8ToUtf16(text);
    for (size_t i = 0; i < units.size(); ++i) {
      char32_t cp = units[i];
      if (cp >= 0xD800 && cp <= 0xDBFF)
        cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
      html.Feed(cp, ClassifyCodePoint(cp));
    }
  } else {
    for (unsigned char b : text) html.Feed(b, ClassifyByte(b));
  }
  return html.Finish();
}

// A megabyte of plain ASCII, so what follows comes after the head.
std::string AsciiHead() {
  std::string head;
  while (head.size() < kTextHeadBytes) head += "Plain words, <i>some</i> &amp; more.\n";
  return head.substr(0, kTextHeadBytes - 1);
}

std::string RandomTail(std::mt19937& random, bool withInvalidByte) {
  static const char* const kPieces[] = {
      "word ",
      "\xD0\x9F\xD1\x80\xD0\xB8",
      "\xE4\xB8\xAD\xE6\x96\x87",
      "\xF0\x9F\x98\x80",
      "<b>",
      "&nbsp;",
      " \t",
      "caf\xC3\xA9-",
      "\n",
      "\xE2\x80\x94",
      "x;y",
      "\xE3\x81\x82 ",
  };
  std::string tail;
  for (int i = 0; i < 400; ++i) tail += kPieces[random() % std::size(kPieces)];
  if (withInvalidByte) tail += "\xE9 end";
  return tail;
}

TEST(TextScanStream, PiecesCountAsTheWholeTextDecodedOrNot) {
  std::mt19937 random(20261208);
  const std::string head = AsciiHead();
  for (int round = 0; round < 6; ++round) {
    // An invalid byte at the very end makes the whole text legacy 8-bit text after all.
    const bool invalid = round % 2 == 1;
    const std::string text = head + RandomTail(random, invalid);
    EXPECT_EQ(CountInPieces(PlainTextStream({false}, false), text, random),
              ReferenceText(text, !invalid))
        << round;
    EXPECT_EQ(CountInPieces(HtmlStream({}, false), text, random), ReferenceHtml(text, !invalid))
        << round;
    EXPECT_EQ(CountInPieces(PlainTextStream({false}, true), text, random),
              ReferenceText(text, false));
    EXPECT_EQ(ScanPlainText(AsBytes(text), {}), ReferenceText(text, !invalid));
  }
}

TEST(TextScanStream, LegacyMultiByteTextCutAnywhereCountsEachCharacterOnce) {
  // "日本語の文書" in Shift_JIS: six characters, each a word; the head decides the charset.
  const std::string sentence = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8F\x91\n";
  std::string text;
  while (text.size() < kTextHeadBytes + 4096) text += sentence;
  const int64_t sentences = static_cast<int64_t>(text.size() / sentence.size());
  std::mt19937 random(7);
  const FileCounts expected{6 * sentences, 6 * sentences, 0};
  EXPECT_EQ(CountInPieces(PlainTextStream({false}, false), text, random), expected);
  EXPECT_EQ(ScanPlainText(AsBytes(text), {}), expected);
}

}  // namespace
}  // namespace tw
