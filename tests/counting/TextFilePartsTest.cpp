// A large plain-text file cut into parts counted on several threads must give the one-piece
// scan's counts, whatever the text and wherever the cuts fall.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "counting/TextFileParts.h"
#include "counting/TextFileScan.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

std::optional<ReadStatus> ScanInParts(const std::string& path, TextRules rules, int threads,
                                      FileCounts& counts, uint64_t smallestPart = 1) {
  RegularFile file;
  EXPECT_TRUE(file.Open(path)) << path;
  return ScanTextFileInParts(file, rules, threads, counts, smallestPart);
}

// Pieces a text is made of: words in several scripts, white space of every kind, symbols, a
// Latin-1 byte and a byte no UTF-8 text holds.
const std::vector<std::string> kPieces = {
    "word",  " ",    "\n",   "\r\n",  "\t",   "3.14", "don't", "a-b",       "#",    "$%&",
    "слово", "漢字", "かな", "é",     "\xE9", "\xFF", "  ",    ".",         "\n\n", "x",
    "<",     ">",    "<p>",  "&amp;", "&",    ";",    "</b>",  "<!-- c -->"};

struct TextKind {
  const char* name;
  std::vector<size_t> pieces;  // indexes into kPieces the text draws from
};

const std::vector<TextKind> kKinds = {
    {"ascii", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 17, 18, 19}},
    {"utf-8", {0, 1, 2, 5, 6, 10, 11, 12, 13, 16, 18}},
    {"latin-1", {0, 1, 2, 4, 6, 14, 16, 17, 18}},
    {"mixed", {0, 1, 2, 3, 10, 11, 14, 15, 18, 19}},
    {"markup", {0, 1, 2, 10, 11, 13, 19, 20, 21, 22, 22, 23, 24, 25, 26, 27}},
};

// The plain-text and the HTML scan, each in one piece and in parts.
struct Scan {
  const char* name;
  ReadStatus (*onePiece)(RegularFile&, TextRules, FileCounts&);
  std::optional<ReadStatus> (*inParts)(const RegularFile&, TextRules, int, FileCounts&, uint64_t);
};

const Scan kScans[] = {
    {"text",
     [](RegularFile& file, TextRules rules, FileCounts& counts) {
       return ScanTextFile(file, rules, counts);
     },
     ScanTextFileInParts},
    {"html",
     [](RegularFile& file, TextRules rules, FileCounts& counts) {
       return ScanHtmlFile(file, rules.legacyByteRules, counts);
     },
     [](const RegularFile& file, TextRules rules, int threads, FileCounts& counts,
        uint64_t smallestPart) {
       return ScanHtmlFileInParts(file, rules.legacyByteRules, threads, counts, smallestPart);
     }},
};

std::string RandomText(const TextKind& kind, std::mt19937& random, size_t length) {
  std::string text;
  while (text.size() < length) text += kPieces[kind.pieces[random() % kind.pieces.size()]];
  return text;
}

FileCounts OnePiece(const std::string& path, TextRules rules, const Scan& scan = kScans[0]) {
  RegularFile file;
  EXPECT_TRUE(file.Open(path));
  FileCounts counts;
  EXPECT_EQ(scan.onePiece(file, rules, counts), ReadStatus::Ok);
  return counts;
}

TEST(TextFileParts, CountsEqualTheOnePieceScanOnRandomTexts) {
  const unsigned randomStart = std::random_device{}();
  std::mt19937 random(randomStart);
  TempDir dir;
  for (const Scan& scan : kScans) {
    int cutFiles = 0;
    for (const TextKind& kind : kKinds) {
      for (const TextRules rules :
           {TextRules{false, false}, TextRules{true, false}, TextRules{false, true}}) {
        for (int round = 0; round < 20; ++round) {
          const std::string path =
              dir.Write("part.txt", RandomText(kind, random, 200 + random() % 4000));
          const FileCounts whole = OnePiece(path, rules, scan);
          for (int threads : {2, 3, 8}) {
            RegularFile file;
            ASSERT_TRUE(file.Open(path));
            FileCounts inParts;
            const auto status = scan.inParts(file, rules, threads, inParts, 1);
            if (!status) continue;
            ++cutFiles;
            ASSERT_EQ(*status, ReadStatus::Ok);
            ASSERT_EQ(inParts, whole)
                << scan.name << ", " << kind.name << " in " << threads << " parts, random start "
                << randomStart << ", extra symbols " << rules.extraSymbolsAsWords << ", legacy "
                << rules.legacyByteRules;
          }
        }
      }
    }
    EXPECT_GT(cutFiles, 100) << scan.name;  // most texts have a byte to cut after
  }
}

// Whether the text is UTF-8 shows only late; the last part must still decide for the whole.
TEST(TextFileParts, ALateByteDecidesTheWholeFile) {
  const std::string head(4000, 'a');
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"utf-8 only in the last part", head + "\nword\n" + head + "\nслово x\n"},
      {"invalid byte only in the last part", "слово\n" + head + "\n" + head + "\nbad \xFF byte\n"},
      {"latin-1 after utf-8", "слово\n" + head + "\n" + head + "\ncaf\xE9\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.Write("late.txt", c.text);
    FileCounts inParts;
    const auto status = ScanInParts(path, {}, 4, inParts);
    ASSERT_TRUE(status.has_value()) << c.name;
    EXPECT_EQ(inParts, OnePiece(path, {})) << c.name;
  }
}

// The parts are mapped as far as the file went when it was opened; the last reads on to wherever
// its end is by then.
TEST(TextFileParts, TheLastPartReadsWhatWasWrittenAfterTheOpen) {
  TempDir dir;
  const std::string lines = std::string(3000, 'w') + "\n" + std::string(3000, 'w') + "\n";
  const std::string path = dir.Write("growing.txt", lines + lines);
  RegularFile file;
  ASSERT_TRUE(file.Open(path));
  dir.Write("growing.txt", lines + lines + "three more words\n");
  FileCounts inParts;
  ASSERT_EQ(ScanTextFileInParts(file, {}, 2, inParts, 1), ReadStatus::Ok);
  EXPECT_EQ(inParts, OnePiece(path, {}));
  EXPECT_EQ(inParts.words, 7);
}

// Pages that vanish under the mapping do not end the program; the count is no longer the file's.
TEST(TextFileParts, AFileCutShortAfterTheOpenIsAReadError) {
  TempDir dir;
  const std::string line = std::string(6000, 'w') + "\n";
  const std::string path = dir.Write("shrinking.txt", line + line + line + line);
  RegularFile file;
  ASSERT_TRUE(file.Open(path));
  dir.Write("shrinking.txt", line + line + line + "w");  // the last part's second page is gone
  FileCounts inParts;
  EXPECT_EQ(ScanTextFileInParts(file, {}, 2, inParts, 1), ReadStatus::ReadFailed);
}

TEST(TextFileParts, LeavesUncuttableFilesToTheOnePieceScan) {
  TempDir dir;
  FileCounts counts;
  const std::string lines = std::string(5000, 'w') + "\n" + std::string(5000, 'w') + "\n";
  EXPECT_FALSE(ScanInParts(dir.Write("bom.txt", "\xEF\xBB\xBF" + lines), {}, 4, counts))
      << "a byte-order mark";
  EXPECT_FALSE(ScanInParts(dir.Write("one-line.txt", std::string(9000, 'w')), {}, 4, counts))
      << "no line feed";
  EXPECT_FALSE(ScanInParts(dir.Write("small.txt", lines), {}, 4, counts, kSmallestTextPart))
      << "too small to be worth it";
  EXPECT_FALSE(ScanInParts(dir.Write("single.txt", lines), {}, 1, counts)) << "one thread";
}

}  // namespace
}  // namespace tw
