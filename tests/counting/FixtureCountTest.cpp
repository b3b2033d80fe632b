#include <gtest/gtest.h>

#include "counting/CountRun.h"
#include "support/RecordingCountHost.h"
#include "support/TempDir.h"

namespace tw {
namespace {

struct FixtureCase {
  const char* file;
  bool extraSymbolsAsWords;
  const char* words;
  const char* charsWithSpaces;
  const char* chars;
};

// The counts of the text fixtures, worked out by hand (tests/fixtures/text/README.md).
TEST(TextFixtures, CountAsCheckedByHand) {
  const FixtureCase cases[] = {
      {"english.txt", false, "16", "71", "58"},  {"english.txt", true, "15", "71", "58"},
      {"latin1.txt", false, "7", "35", "30"},    {"cyrillic-utf8.txt", false, "7", "37", "31"},
      {"utf16-bom.txt", false, "3", "16", "14"}, {"markup.html", false, "12", "54", "46"},
  };
  for (const FixtureCase& c : cases) {
    test::RecordingCountHost host;
    host.SetControlValues({"0.01", "USD", "Words"});
    host.AddFile(test::FixturePath(std::string("text/") + c.file));
    CountContext context;
    context.options.extraSymbolsAsWords = c.extraSymbolsAsWords;
    OnCountStatistic(host, context, StandardCounterFactory());
    EXPECT_EQ(host.List().Cell(0, 1), c.words) << c.file;
    EXPECT_EQ(host.List().Cell(0, 2), c.charsWithSpaces) << c.file;
    EXPECT_EQ(host.List().Cell(0, 3), c.chars) << c.file;
    EXPECT_TRUE(host.Recorded().Texts().empty()) << c.file;
  }
}

// Plain ASCII is counted in chunks as it is read; a word that straddles a chunk boundary is one
// word, and text that turns out not to be ASCII late in the file is counted as a whole.
TEST(TextFileScan, ChunkedAndWholeScansAgree) {
  test::TempDir dir;
  const size_t chunk = size_t{4} << 20;
  std::string ascii(chunk - 2, 'a');
  ascii += " straddling words";
  std::string utf8 = ascii + " caf\xC3\xA9";
  const struct {
    std::string bytes;
    FileCounts expected;
  } cases[] = {
      {ascii, {3, static_cast<int64_t>(ascii.size()) - 2, 2}},
      {utf8, {4, static_cast<int64_t>(ascii.size()) - 2 + 4, 3}},
  };
  for (const auto& c : cases) {
    test::RecordingCountHost host;
    host.AddFile(dir.Write("big.txt", c.bytes));
    CountContext context;
    OnCountStatistic(host, context, StandardCounterFactory());
    EXPECT_EQ(host.List().Cell(0, 1), std::to_string(c.expected.words));
    EXPECT_EQ(host.List().Cell(0, 3), std::to_string(c.expected.characters));
    EXPECT_EQ(host.List().Cell(0, 2), std::to_string(c.expected.characters + c.expected.spaces));
  }
}

}  // namespace
}  // namespace tw
