#include <gtest/gtest.h>

#include <string>

#include "counting/TextScan.h"

namespace tw {
namespace {

std::span<const uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

struct ScanCase {
  const char* name;
  std::string bytes;
  bool extraSymbolsAsWords;
  bool legacy;
  FileCounts expected;  // words, characters, spaces
};

class PlainTextScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(PlainTextScan, CountsWordsCharactersAndSpaces) {
  const ScanCase& c = GetParam();
  const FileCounts counts = ScanPlainText(AsBytes(c.bytes), {c.extraSymbolsAsWords, c.legacy});
  EXPECT_EQ(counts.words, c.expected.words) << c.name;
  EXPECT_EQ(counts.characters, c.expected.characters) << c.name;
  EXPECT_EQ(counts.spaces, c.expected.spaces) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    ByteRules, PlainTextScan,
    ::testing::Values(ScanCase{"hello_world", "Hello, world!\r\n", false, false, {2, 12, 1}},
                      ScanCase{"hello_world_extra", "Hello, world!\r\n", true, false, {2, 12, 1}},
                      ScanCase{"apostrophe_splits", "don't", false, false, {2, 5, 0}},
                      ScanCase{"apostrophe_joins", "don't", true, false, {1, 5, 0}},
                      ScanCase{"hyphen_word_forming", "e-mail --", false, false, {2, 8, 1}},
                      ScanCase{"decimal_point_splits", "3.14", false, false, {2, 4, 0}},
                      ScanCase{"only_blanks", " \t\r\n  \t", false, false, {0, 0, 5}},
                      ScanCase{"ends_inside_word", "one two", false, false, {2, 6, 1}},
                      ScanCase{"controls_separate_uncounted",
                               "a\x01"
                               "b\x0B"
                               "c",
                               false,
                               false,
                               {3, 3, 0}},
                      ScanCase{"empty", "", false, false, {0, 0, 0}},
                      ScanCase{"legacy_latin1_high_bytes",
                               "caf\xE9 \xAB"
                               "x\xBB",
                               false,
                               false,
                               {2, 7, 1}},
                      // Invalid UTF-8 is legacy 8-bit text, judged byte by byte.
                      ScanCase{"invalid_utf8_is_bytes", "\xC3\x28", false, false, {1, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LegacyBytes, PlainTextScan,
    ::testing::Values(ScanCase{"utf8_e_acute", "caf\xC3\xA9", false, true, {1, 5, 0}},
                      ScanCase{"utf8_resume", "r\xC3\xA9sum\xC3\xA9", false, true, {2, 8, 0}},
                      ScanCase{"utf16_zero_bytes_blank",
                               std::string("\xFF\xFE"
                                           "a\0b\0",
                                           6),
                               false,
                               true,
                               {2, 4, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Unicode, PlainTextScan,
    ::testing::Values(
        ScanCase{"resume_utf8", "r\xC3\xA9sum\xC3\xA9", false, false, {1, 6, 0}},
        ScanCase{"cyrillic",
                 "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
                 "\xD0\xBC\xD0\xB8\xD1\x80",
                 false,
                 false,
                 {2, 9, 1}},
        ScanCase{"utf16le_bom",
                 std::string("\xFF\xFE"
                             "a\0b\0",
                             6),
                 false,
                 false,
                 {1, 2, 0}},
        ScanCase{"utf16be_bom", std::string("\xFE\xFF\0a\0 \0b", 8), false, false, {2, 2, 1}},
        ScanCase{"utf8_bom_not_counted",
                 "\xEF\xBB\xBF"
                 "ab",
                 false,
                 false,
                 {1, 2, 0}},
        // Three Han ideographs are three words; a Latin word before them is closed by them.
        ScanCase{
            "han_each_a_word", "ab\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97", false, false, {4, 5, 0}},
        ScanCase{"hiragana_each_a_word", "\xE3\x81\x82\xE3\x81\x84 x", false, false, {3, 3, 1}},
        // U+200B is neither counted nor a separator.
        ScanCase{"zero_width_space_ignored",
                 "ab\xE2\x80\x8B"
                 "cd",
                 false,
                 false,
                 {1, 4, 0}},
        // U+2003 EM SPACE is a space separator: a space.
        ScanCase{"em_space_counts_as_space",
                 "a\xE2\x80\x83"
                 "b",
                 false,
                 false,
                 {2, 2, 1}},
        // U+2028 LINE SEPARATOR separates without counting.
        ScanCase{"line_separator_blank",
                 "a\xE2\x80\xA8"
                 "b",
                 false,
                 false,
                 {2, 2, 0}},
        // U+2014 EM DASH is an extra symbol: counted, splits unless taken as word.
        ScanCase{"em_dash_extra_symbol",
                 "a\xE2\x80\x94"
                 "b",
                 false,
                 false,
                 {2, 3, 0}},
        ScanCase{"em_dash_with_option",
                 "a\xE2\x80\x94"
                 "b",
                 true,
                 false,
                 {1, 3, 0}},
        // Below U+0100 the byte table holds even in decoded text: U+00A9 is an extra symbol.
        ScanCase{"copyright_below_0100", "\xC2\xA9x", false, false, {1, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanBytes, AgreesWithPlainScanAcrossBlockEdges) {
  // A word that straddles the scanner's internal block boundary is one word.
  std::string text(size_t{1} << 20, 'a');
  text[(size_t{1} << 20) - 3] = ' ';
  text += "bc def";
  const FileCounts counts = ScanBytes(AsBytes(text), false);
  EXPECT_EQ(counts.words, 3);
  EXPECT_EQ(counts.spaces, 2);
  EXPECT_EQ(counts.characters, static_cast<int64_t>(text.size()) - 2);
}

struct Utf16Case {
  const char* name;
  std::u16string text;
  bool legacy;
  FileCounts expected;
};

class Utf16TextScan : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16TextScan, JudgesByCodePointOrLowByte) {
  const Utf16Case& c = GetParam();
  const FileCounts counts = ScanUtf16Text(c.text, {false, c.legacy});
  EXPECT_EQ(counts, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Units, Utf16TextScan,
    ::testing::Values(
        // U+0410 is a letter by code point, a blank by its low byte 0x10.
        Utf16Case{"capital_a_cyrillic", u"\u0410\u0411", false, {1, 2, 0}},
        Utf16Case{"capital_a_cyrillic_legacy", u"\u0410\u0411", true, {0, 0, 0}},
        // U+0430 reduces to 0x30, a digit: word-forming either way.
        Utf16Case{"small_a_cyrillic_legacy", u"\u0430b", true, {1, 2, 0}},
        // U+2020 reduces to 0x20: a space under the legacy rules.
        Utf16Case{"dagger_legacy_space", u"a\u2020b", true, {2, 2, 1}},
        Utf16Case{"dagger_extra_symbol", u"a\u2020b", false, {2, 3, 0}},
        Utf16Case{"surrogate_pair_letter", u"\U00010400x", false, {1, 2, 0}},
        Utf16Case{"paragraphs_and_vertical_tab", u"one\rtwo\vthree", false, {3, 11, 0}}));

}  // namespace
}  // namespace tw
