#include <gtest/gtest.h>

#include <string>

#include "counting/TextFileScan.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

// A file read in several pieces (its head is read whole, the rest as the system hands it over)
// is kept byte for byte, and counted the same whether it is kept or not; one over the limit is
// counted without being kept.
TEST(KeptBytes, AScanKeepsWhatItReadsUpToTheLimit) {
  TempDir dir;
  std::string text;
  for (int i = 0; text.size() < 3 * kTextHeadBytes; ++i) {
    text += "Line " + std::to_string(i) + " caf\xC3\xA9.\n";
  }
  const std::string path = dir.Write("long.txt", text);
  FileCounts unkept;
  ASSERT_EQ(ScanTextFile(path, {}, unkept), ReadStatus::Ok);

  const struct {
    size_t limit;
    bool whole;
  } cases[] = {{text.size(), true}, {text.size() - 1, false}, {kTextHeadBytes / 2, false}};
  for (const auto& c : cases) {
    KeptBytes kept{c.limit};
    FileCounts counts;
    ASSERT_EQ(ScanTextFile(path, {}, counts, &kept), ReadStatus::Ok);
    EXPECT_EQ(counts, unkept) << c.limit;
    EXPECT_EQ(kept.whole, c.whole) << c.limit;
    EXPECT_EQ(kept.bytes, c.whole ? text : "") << c.limit;
  }
}

}  // namespace
}  // namespace tw
