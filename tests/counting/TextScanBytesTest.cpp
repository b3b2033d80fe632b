#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "counting/TextScanBytes.h"
#include "counting/WordScanner.h"
#include "support/TempDir.h"

namespace tw {
namespace {

// The byte table applied one byte at a time by the plain word scan: what every path must give.
FileCounts ByWordScanner(const std::vector<uint8_t>& bytes, bool extra) {
  WordScanner words(extra);
  for (uint8_t b : bytes) words.Feed(ClassifyByte(b));
  return words.Finish();
}

void ExpectAllPathsAgree(const std::vector<uint8_t>& bytes, uint8_t next, bool extra) {
  const FileCounts scalar = ScanBytesOn(ByteScanPath::Scalar, bytes, next, extra);
  for (ByteScanPath path : {ByteScanPath::Sse2, ByteScanPath::Avx2, ByteScanPath::Avx512}) {
    if (!ByteScanPathAvailable(path)) continue;
    ASSERT_EQ(ScanBytesOn(path, bytes, next, extra), scalar)
        << "path " << static_cast<int>(path) << ", " << bytes.size() << " bytes, next " << +next
        << ", extra " << extra;
  }
  if (next == 0) {
    ASSERT_EQ(scalar, ByWordScanner(bytes, extra)) << bytes.size() << " bytes";
  }
}

// Bytes at every class edge of the table, so random text crosses them often.
constexpr uint8_t kEdges[] = {0x00, 0x09, 0x0A, 0x1F, 0x20, 0x21, '-', '/', '0',  '9',  ':',
                              '@',  'A',  'Z',  '[',  '`',  'a',  'z', '{', 0x7F, 0x80, 0xBF,
                              0xC0, 0xDF, 0xFF, 0xE9, '.',  ',',  'q', 'Q', '5'};

TEST(ByteScanPaths, AgreeWithTheScalarScanOnRandomText) {
  std::mt19937 random(31337);
  for (int round = 0; round < 3000; ++round) {
    // Lengths around the block widths and their multiples, and now and then a long text.
    const size_t length = round % 100 == 0 ? 20000 + random() % 5000 : random() % 150;
    std::vector<uint8_t> bytes(length);
    const bool anyByte = round % 3 == 0;
    for (uint8_t& b : bytes) {
      b = anyByte ? static_cast<uint8_t>(random()) : kEdges[random() % std::size(kEdges)];
    }
    const uint8_t next = round % 2 ? 0 : kEdges[random() % std::size(kEdges)];
    ExpectAllPathsAgree(bytes, next, round % 4 < 2);
  }
}

TEST(ByteScanPaths, AgreeOnTheTextFixtures) {
  for (const char* name : {"english.txt", "latin1.txt", "cyrillic-utf8.txt", "utf16-bom.txt",
                           "markup.html", "cp1252.txt", "shift-jis.txt", "big5.txt"}) {
    std::ifstream in(test::FixturePath(std::string("text/") + name), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty()) << name;
    for (bool extra : {false, true}) ExpectAllPathsAgree(bytes, 0, extra);
  }
}

// A lane counter holds 255 at most: a long run of one class must not wrap it.
TEST(ByteScanPaths, LongRunsOfOneClassDoNotOverflowALane) {
  for (uint8_t b : {uint8_t{'a'}, uint8_t{' '}, uint8_t{'.'}}) {
    ExpectAllPathsAgree(std::vector<uint8_t>(100000, b), 0, false);
  }
  std::vector<uint8_t> alternating(100001);
  for (size_t i = 0; i < alternating.size(); ++i) alternating[i] = i % 2 ? ' ' : 'x';
  ExpectAllPathsAgree(alternating, 0, false);
}

}  // namespace
}  // namespace tw
