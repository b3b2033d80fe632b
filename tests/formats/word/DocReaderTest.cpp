#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "formats/ReadResult.h"
#include "formats/word/WordReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::FixturePath;
using test::ReadFileBytes;
using test::TempDir;

std::string Fixture() {
  return ReadFileBytes(FixturePath("word/readers/basic.doc"));
}

// Where the FIB of the WordDocument stream lies in the file: Word's identifier followed by a
// Word 97 or later version number.
size_t FibOffset(const std::string& file) {
  for (size_t at = file.find("\xEC\xA5"); at != std::string::npos && at + 4 <= file.size();
       at = file.find("\xEC\xA5", at + 1)) {
    const unsigned version =
        static_cast<uint8_t>(file[at + 2]) | (static_cast<uint8_t>(file[at + 3]) << 8);
    if (version >= 0xC1 && version < 0x200) return at;
  }
  ADD_FAILURE() << "no FIB in the fixture";
  return 0;
}

void Put16(std::string& file, size_t at, uint16_t value) {
  file[at] = static_cast<char>(value & 0xFF);
  file[at + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint16_t Get16(const std::string& file, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(file[at]) |
                               (static_cast<uint8_t>(file[at + 1]) << 8));
}

// Offset in the file of the offset/length pair `index` of the FIB.
size_t FibPair(const std::string& file, size_t index) {
  const size_t fib = FibOffset(file);
  size_t at = fib + 32;
  at += 2 + 2 * size_t{Get16(file, at)};
  at += 2 + 4 * size_t{Get16(file, at)};
  return at + 2 + 8 * index;
}

std::string OpenError(const std::string& bytes) {
  TempDir dir;
  const std::string path = dir.Write("file.doc", bytes);
  const ReadResult result = ReadWordDocument(path);
  if (result.Ok()) return "opened";
  EXPECT_NE(result.Error().Reason().find(path), std::string::npos);
  return result.Error().Reason();
}

struct BadFileCase {
  const char* name;
  void (*damage)(std::string& file);
  const char* saying;
};

class DocBadFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(DocBadFile, FailsWithAnErrorSayingWhy) {
  std::string file = Fixture();
  GetParam().damage(file);
  EXPECT_NE(OpenError(file).find(GetParam().saying), std::string::npos) << GetParam().name;
}

const BadFileCase kBadFiles[] = {
    {"encrypted",
     [](std::string& f) { Put16(f, FibOffset(f) + 0x0A, Get16(f, FibOffset(f) + 0x0A) | 0x0100); },
     "password-protected"},
    {"older than Word 6", [](std::string& f) { Put16(f, FibOffset(f) + 2, 0x30); },
     "older than 6.0, which is not supported"},
    {"Word 2 header in a compound file", [](std::string& f) { Put16(f, FibOffset(f), 0xA5DB); },
     "saved in Word 2.0, which is not supported"},
    {"Word 2 file", [](std::string& f) { f = std::string("\xDB\xA5\x2D\x00", 4) + "text"; },
     "saved in Word 2.0, which is not supported"},
    {"plain text", [](std::string& f) { f = "just some text"; }, "not a Word document"},
    {"no WordDocument stream",
     [](std::string& f) {
       const std::string name("W\0o\0r\0d\0D\0o\0c", 13);
       const size_t at = f.find(name);
       ASSERT_NE(at, std::string::npos);
       f[at] = 'X';
     },
     "not a Word document"},
    {"piece table beyond its stream", [](std::string& f) { Put32(f, FibPair(f, 33), 0x7FFFFFF0); },
     "damaged"},
    {"piece table of no length", [](std::string& f) { Put32(f, FibPair(f, 33) + 4, 0); },
     "damaged"},
    {"main text longer than its pieces",  // text past the last piece is simply not there
     [](std::string& f) { Put32(f, FibOffset(f) + 0x4C, 0x7FFFFFFF); }, "opened"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DocBadFile, ::testing::ValuesIn(kBadFiles));

// Every truncation and every damaged byte of the stream's first sectors gives the document or an
// error for the file, never a crash or a hang; for Word 97 and for Word 95 files alike.
TEST(DocReader, SurvivesTruncationAndDamagedBytes) {
  const struct {
    std::string original;
    size_t fib;
  } files[] = {
      {Fixture(), FibOffset(Fixture())},
      {ReadFileBytes(FixturePath("word/word95.doc")), 0},
  };
  for (const auto& [original, knownFib] : files) {
    for (size_t length = 0; length < original.size(); length += 509) {
      const std::string description = OpenError(original.substr(0, length));
      EXPECT_FALSE(description.empty());
    }
    const size_t fib = knownFib != 0 ? knownFib : original.find("\xDC\xA5\x65\x00");
    ASSERT_NE(fib, std::string::npos);
    for (size_t at = fib; at < fib + 1024 && at < original.size(); at += 7) {
      std::string damaged = original;
      damaged[at] = static_cast<char>(damaged[at] ^ 0xA5);
      EXPECT_FALSE(OpenError(damaged).empty());
    }
  }
}

}  // namespace
}  // namespace tw
