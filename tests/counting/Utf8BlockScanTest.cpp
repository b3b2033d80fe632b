#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "counting/TextScanPolicies.h"
#include "text/Utf8Decoder.h"

namespace tw {
namespace {

// The decoder handing every character to the word scan: a sink without TakeUtf8Run is never
// offered whole windows.
struct OneByOne {
  PlainTextPolicy::Points& points;
  void operator()(char32_t cp) { points(cp); }
};

struct Decoded {
  FileCounts counts;
  bool multiByte = false;
  bool invalid = false;
  bool operator==(const Decoded&) const = default;
};

template <class MakeSink>
Decoded Count(const std::string& text, size_t pieceLength, bool extra, MakeSink makeSink) {
  PlainTextPolicy::Points points(WordScanner(extra), extra);
  auto&& sink = makeSink(points);
  Utf8Decoder decoder;
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  for (size_t from = 0; from < text.size(); from += pieceLength) {
    decoder.Feed({bytes + from, std::min(pieceLength, text.size() - from)}, sink);
  }
  decoder.Finish(sink);
  return {points.Finish(), decoder.SawMultiByte(), decoder.SawInvalid()};
}

void ExpectWindowsCountAsCharacters(const std::string& text, size_t pieceLength, bool extra) {
  const Decoded slow =
      Count(text, pieceLength, extra, [](auto& points) { return OneByOne{points}; });
  const Decoded fast = Count(
      text, pieceLength, extra, [](auto& points) -> auto& { return points; });
  ASSERT_EQ(fast, slow) << "text of " << text.size() << " bytes in pieces of " << pieceLength
                        << ", extra " << extra;
}

// The decoder offers the widest path's windows; the others must take the same bytes alike.
void ExpectEveryPathTakesTheSame(const std::string& text, bool extra) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const Utf8BlockScan scan(extra);
  Utf8BlockState sse2;
  const size_t taken = scan.ScanOn(ByteScanPath::Sse2, bytes, text.size(), sse2);
  if (!ByteScanPathAvailable(ByteScanPath::Avx2)) return;
  Utf8BlockState avx2;
  ASSERT_EQ(scan.ScanOn(ByteScanPath::Avx2, bytes, text.size(), avx2), taken) << text.size();
  ASSERT_EQ(avx2.counts, sse2.counts);
  ASSERT_EQ(avx2.inWord, sse2.inWord);
  ASSERT_EQ(avx2.sawMultiByte, sse2.sawMultiByte);
}

// Characters from every kind the window scan treats apart: ASCII of each class, two- and
// three-byte letters of leads with one class (Cyrillic, Han) and with several (Latin-1, CJK
// punctuation, fullwidth forms), ignored characters, four-byte sequences and invalid bytes.
const std::vector<std::string> kPieces = {"a",
                                          "Z",
                                          "7",
                                          "-",
                                          " ",
                                          "\t",
                                          "\n",
                                          "\r",
                                          ".",
                                          ",",
                                          "\x7f",
                                          "\x01",
                                          "ж",
                                          "Я",
                                          "ё",
                                          "ӂ",
                                          "α",
                                          "ש",
                                          "٣",
                                          "中",
                                          "国",
                                          "一",
                                          "丕",
                                          "䷀",
                                          "。",
                                          "，",
                                          "　",
                                          "あ",
                                          "ア",
                                          "é",
                                          "\xc2\xa0",
                                          "\xc2\xad",
                                          "\xe2\x80\x8b",
                                          "\xef\xbb\xbf",
                                          "😀",
                                          "\xe0\xa4\x85",
                                          "\xed\x9f\xbf",
                                          "\x80",
                                          "\xc0\xaf",
                                          "\xe4\xb8",
                                          "\xff"};

TEST(Utf8BlockScanTest, CountsAsTheDecoderCharacterByCharacter) {
  std::mt19937 random(4242);
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    // Mostly one kind of letter with now and then another, so that whole windows occur.
    const size_t length = round % 50 == 0 ? 3000 : random() % 120;
    const std::string& usual = kPieces[random() % 26];
    for (size_t i = 0; i < length; ++i) {
      const unsigned pick = static_cast<unsigned>(random() % 100);
      text += pick < 60   ? usual
              : pick < 85 ? kPieces[random() % 7]
                          : kPieces[random() % kPieces.size()];
    }
    const size_t pieceLength = round % 3 == 0 ? text.size() + 1 : 1 + random() % 97;
    ExpectWindowsCountAsCharacters(text, pieceLength, round % 2 == 0);
    ExpectEveryPathTakesTheSame(text, round % 2 == 0);
  }
}

TEST(Utf8BlockScanTest, TakesCyrillicAndHanTextWholeWindowsAtATime) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "Съешь же ещё этих мягких булок 中国人一起, да выпей чаю.\n";
  Utf8BlockState state;
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const size_t taken = Utf8BlockScan(false).ScanOn(ByteScanPath::Sse2, bytes, text.size(), state);
  EXPECT_GT(taken, text.size() - 64);
  EXPECT_TRUE(state.sawMultiByte);
  ExpectWindowsCountAsCharacters(text, text.size() + 1, false);
}

}  // namespace
}  // namespace tw
