#include <gtest/gtest.h>

#include <random>
#include <string>

#include "counting/HtmlScanner.h"
#include "counting/TextScan.h"

namespace tw {
namespace {

struct HtmlCase {
  const char* name;
  std::string bytes;
  bool legacy;
  FileCounts expected;  // words, characters, spaces
};

class HtmlScan : public ::testing::TestWithParam<HtmlCase> {};

TEST_P(HtmlScan, LeavesOutTagsAndEntities) {
  const HtmlCase& c = GetParam();
  const auto* data = reinterpret_cast<const uint8_t*>(c.bytes.data());
  EXPECT_EQ(ScanHtml({data, c.bytes.size()}, c.legacy), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    ByteRules, HtmlScan,
    ::testing::Values(
        HtmlCase{"bold_word", "Hello <b>world</b>", false, {2, 10, 1}},
        HtmlCase{"tag_splits_word", "bo<b>ld</b>", false, {2, 4, 0}},
        HtmlCase{"nbsp_joins", "a&nbsp;b", false, {1, 2, 0}},
        HtmlCase{"amp_joins", "AT&amp;T", false, {1, 3, 0}},
        HtmlCase{"unclosed_entity_skips_to_semicolon", "Fish &chips; more", false, {2, 8, 1}},
        HtmlCase{"semicolon_without_entity_counts", "a;b", false, {1, 3, 0}},
        HtmlCase{"run_of_blanks_one_space", "x  y", false, {2, 2, 1}},
        HtmlCase{"tab_then_space_one_space", "x\t y", false, {2, 2, 1}},
        HtmlCase{"blanks_after_tag_and_break_not_counted", "<p>\r\n  text", false, {1, 4, 0}},
        HtmlCase{"comment_left_out", "a<!-- note -->b", false, {2, 2, 0}},
        HtmlCase{"plain_text", "one two", false, {2, 6, 1}},
        HtmlCase{"gt_in_text_is_a_character", "a>b", false, {1, 3, 0}},
        HtmlCase{"entity_state_crosses_tags", "a&x<b>y;z", false, {2, 2, 0}},
        HtmlCase{"ampersand_in_tag_ignored", "<a href=\"x&y\">go</a> on", false, {2, 4, 0}},
        HtmlCase{"utf8_legacy_two_bytes", "caf\xC3\xA9", true, {1, 5, 0}},
        HtmlCase{"empty", "", false, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Unicode, HtmlScan,
    ::testing::Values(HtmlCase{"utf8_letter_one_character", "<p>caf\xC3\xA9</p>", false, {1, 4, 0}},
                      // An extra symbol forms words in the HTML scan.
                      HtmlCase{"em_dash_joins",
                               "a\xE2\x80\x94"
                               "b",
                               false,
                               {1, 3, 0}},
                      // A blank right after an ideograph counts as a space.
                      HtmlCase{
                          "space_after_ideograph", "\xE4\xB8\xAD \xE6\x96\x87", false, {2, 2, 1}},
                      HtmlCase{"ideograph_splits_latin",
                               "ab\xE4\xB8\xAD"
                               "cd",
                               false,
                               {3, 5, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs of text between markup are counted a run or a window at a time, on every vector unit;
// character by character must agree.
TEST(HtmlScanRuns, AgreeWithTheCharacterScan) {
  static const char* const kPieces[] = {"a", "bc", " ", "\t",   "\n",   "<",   ">",     "&",
                                        ";", "-",  ".", "\xE9", "\x01", "<p>", "&amp;", "x y"};
  std::mt19937 random(99);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int pieces = static_cast<int>(random() % 200);
    for (int i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
    HtmlScanner byCharacter;
    for (unsigned char b : text) byCharacter.Feed(b, ClassifyByte(b));
    const FileCounts expected = byCharacter.Finish();
    for (ByteScanPath path : {ByteScanPath::Scalar, ByteScanPath::Sse2, ByteScanPath::Avx2}) {
      if (!ByteScanPathAvailable(path)) continue;
      HtmlScanner byRun;
      byRun.UseWindows(path);
      const auto* p = reinterpret_cast<const uint8_t*>(text.data());
      byRun.FeedBytes(p, p + text.size(), BasicPlaneClasses());
      ASSERT_EQ(byRun.Finish(), expected) << "path " << static_cast<int>(path) << ": " << text;
    }
  }
}

}  // namespace
}  // namespace tw
