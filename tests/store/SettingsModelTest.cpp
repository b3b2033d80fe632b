#include <gtest/gtest.h>

#include <limits>

#include "Utf16Bytes.h"
#include "store/SettingsModel.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::AsciiUtf16Le;
using test::ReadFileBytes;
using test::TempDir;

constexpr WindowRect kDesktop{0, 0, 1920, 1080};

StoredSettings SampleSettings() {
  StoredSettings s;
  s.directory = "/home/ann/Jobs";
  s.rate = "0.05";
  s.currencyIndex = 2;
  s.currencyCode = "USD";
  s.pricingIndex = 1;
  s.countTxt = 1;
  s.countDoc = 1;
  s.countRtf = 0;
  s.countXls = 0;
  s.countHtm = 1;
  s.countPpt = 0;
  s.countPdf = 1;
  s.countOdt = 1;
  s.countXliff = 0;
  s.countPo = 1;
  s.countSub = 1;
  s.countMd = 0;
  s.countMore = 1;
  s.window = {10, 20, 810, 620};
  return s;
}

TEST(SettingsFile, SavedFileIsExactlyTheKnownLayout) {
  TempDir dir;
  const std::string path = (dir.Path() / "settings.ini").string();
  ASSERT_TRUE(SaveSettingsFile(path, SampleSettings()));
  const std::string expected = AsciiUtf16Le(
      "Directory=/home/ann/Jobs\r\n"
      "CurrencyValue=0.05\r\n"
      "CurrencyName=2\r\n"
      "PricingBy=1\r\n"
      "CountTxt=1\r\n"
      "CountDoc=1\r\n"
      "CountRtf=0\r\n"
      "CountXls=0\r\n"
      "CountHtm=1\r\n"
      "CountPPT=0\r\n"
      "CountPdf=1\r\n"
      "CurrencyCode=USD\r\n"
      "CountOdt=1\r\n"
      "CountXliff=0\r\n"
      "CountPo=1\r\n"
      "CountSub=1\r\n"
      "CountMd=0\r\n"
      "CountMore=1\r\n"
      "HeadersAndFooters=0\r\n"
      "ExtraSymbols=0\r\n"
      "LegacyByteRules=0\r\n"
      "Include=\r\n"
      "CountProfile=classic\r\n"
      "\r\n"
      "[Window position]\r\n"
      "Bottom=620\r\n"
      "Right=810\r\n"
      "Top=20\r\n"
      "Left=10\r\n");
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(SettingsFile, RoundTripsEvenWhenTheFolderNamesOtherKeys) {
  TempDir dir;
  const std::string path = (dir.Path() / "settings.ini").string();
  StoredSettings saved = SampleSettings();
  saved.directory = "/srv/Top/Left=3/CountTxt";
  saved.currencyIndex = -1;
  ASSERT_TRUE(SaveSettingsFile(path, saved));
  const std::optional<StoredSettings> loaded = LoadSettingsFile(path, kDesktop);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->directory, saved.directory);
  EXPECT_EQ(loaded->rate, "0.05");
  EXPECT_EQ(loaded->currencyIndex, -1);
  EXPECT_EQ(loaded->currencyCode, "USD");
  EXPECT_EQ(loaded->pricingIndex, 1);
  EXPECT_EQ(loaded->countTxt, 1);
  EXPECT_EQ(loaded->countHtm, 1);
  EXPECT_EQ(loaded->countRtf, 0);
  EXPECT_EQ(loaded->countPdf, 1);
  EXPECT_EQ(loaded->window, (WindowRect{10, 20, 810, 620}));
}

TEST(SettingsFile, OptionsAndRecentFoldersComeBack) {
  TempDir dir;
  const std::string path = (dir.Path() / "settings.ini").string();
  StoredSettings saved = SampleSettings();
  saved.options.headersAndFooters = true;
  saved.options.legacyByteRules = true;
  saved.options.include.notes = true;
  saved.options.include.hidden = true;
  saved.recentFolders = {"/home/ann/Jobs", "/srv/Include=notes", "/tmp"};
  saved.options.profile = CountProfile::Word;
  ASSERT_TRUE(SaveSettingsFile(path, saved));
  const std::optional<StoredSettings> loaded = LoadSettingsFile(path, kDesktop);
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(loaded->options.headersAndFooters);
  EXPECT_FALSE(loaded->options.extraSymbolsAsWords);
  EXPECT_TRUE(loaded->options.legacyByteRules);
  EXPECT_EQ(loaded->options.include, (ContentSwitches{.notes = true, .hidden = true}));
  EXPECT_EQ(loaded->recentFolders, saved.recentFolders);
  EXPECT_EQ(loaded->options.profile, CountProfile::Word);
  // The keys older versions know keep their place at the top of the file.
  const std::string top = AsciiUtf16Le("Directory=/home/ann/Jobs\r\nCurrencyValue=0.05\r\n");
  EXPECT_EQ(ReadFileBytes(path).substr(0, top.size()), top);
}

TEST(SettingsFile, OlderFilesAndBadOptionValuesLoadTheDefaults) {
  TempDir dir;
  const std::string path =
      dir.Write("settings.ini", AsciiUtf16Le("CurrencyValue=0.02\r\nLegacyByteRules=5\r\n"
                                             "Include=notes,pictures\r\nRecentFolder2=/skipped\r\n"
                                             "CountProfile=poetry\r\n"));
  const std::optional<StoredSettings> loaded = LoadSettingsFile(path, kDesktop);
  ASSERT_TRUE(loaded);
  EXPECT_FALSE(loaded->options.headersAndFooters);
  EXPECT_FALSE(loaded->options.legacyByteRules);
  EXPECT_EQ(loaded->options.include, ContentSwitches{});
  EXPECT_TRUE(loaded->recentFolders.empty());  // the list ends at the first missing entry
  EXPECT_EQ(loaded->options.profile, CountProfile::Classic);
}

TEST(SettingsFile, MissingFileAppliesNothing) {
  TempDir dir;
  EXPECT_FALSE(LoadSettingsFile((dir.Path() / "settings.ini").string(), kDesktop));
}

TEST(SettingsFile, MissingKeysTakeTheirDefaults) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", AsciiUtf16Le("Other=1\r\n"));
  const std::optional<StoredSettings> loaded = LoadSettingsFile(path, {-10, 5, 1000, 700});
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->directory, "");
  EXPECT_EQ(loaded->rate, "0.01");
  EXPECT_EQ(loaded->currencyIndex, 0);
  EXPECT_EQ(loaded->pricingIndex, 0);
  const int boxes[] = {loaded->countTxt, loaded->countDoc, loaded->countRtf, loaded->countXls,
                       loaded->countHtm, loaded->countPpt, loaded->countPdf};
  EXPECT_EQ(std::vector<int>(std::begin(boxes), std::end(boxes)),
            (std::vector<int>{1, 1, 0, 0, 0, 0, 0}));
  // The later formats' boxes are on when a file from before them is read.
  const int later[] = {loaded->countOdt, loaded->countXliff, loaded->countPo,
                       loaded->countSub, loaded->countMd,    loaded->countMore};
  EXPECT_EQ(std::vector<int>(std::begin(later), std::end(later)),
            (std::vector<int>{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(loaded->window, (WindowRect{-10, 5, 1000, 700}));  // the whole desktop
}

TEST(SettingsFile, ValuesAreReadTheCWay) {
  TempDir dir;
  const std::string path = dir.Write("settings.ini", AsciiUtf16Le("CurrencyValue=1a\r\n"
                                                                  "CurrencyName=  5x\r\n"
                                                                  "PricingBy=abc\r\n"
                                                                  "CountTxt=7\r\n"
                                                                  "CountRtf=7\r\n"
                                                                  "CountXls=1\r\n"
                                                                  "CountDoc=0\r\n"
                                                                  "\r\n[Window position]\r\n"
                                                                  "Bottom=100\r\n"
                                                                  "Right=+300\r\n"
                                                                  "Top=x\r\n"
                                                                  "Left=-3000\r\n"));
  const std::optional<StoredSettings> loaded = LoadSettingsFile(path, kDesktop);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->rate, "1a");  // taken verbatim; the rate checks react to it
  EXPECT_EQ(loaded->currencyIndex, 5);
  EXPECT_EQ(loaded->pricingIndex, 0);
  EXPECT_EQ(loaded->countTxt, 1);
  EXPECT_EQ(loaded->countRtf, 0);
  EXPECT_EQ(loaded->countXls, 1);
  EXPECT_EQ(loaded->countDoc, 0);
  // Top "x" reads 0; Left -3000 moves to 0 and the window widens to 640.
  EXPECT_EQ(loaded->window, (WindowRect{0, 0, 640, 100}));
}

TEST(SettingsFile, ReadsAFileSavedByAnEditorWithByteOrderMark) {
  const std::optional<StoredSettings> loaded =
      LoadSettingsFile(test::FixturePath("store/settings-with-bom.ini"), kDesktop);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->directory, "/home/ann/Top jobs");
  EXPECT_EQ(loaded->rate, "0.07");
  EXPECT_EQ(loaded->currencyIndex, 1);
  EXPECT_EQ(loaded->pricingIndex, 2);
  const int boxes[] = {loaded->countTxt, loaded->countDoc, loaded->countRtf, loaded->countXls,
                       loaded->countHtm, loaded->countPpt, loaded->countPdf};
  EXPECT_EQ(std::vector<int>(std::begin(boxes), std::end(boxes)),
            (std::vector<int>{0, 1, 1, 0, 1, 1, 0}));
  EXPECT_EQ(loaded->window, (WindowRect{50, 100, 900, 700}));
}

TEST(SettingsValues, CheckBoxValues) {
  const struct {
    const char* stored;
    int defaultValue;
    int expected;
  } cases[] = {{"0", 1, 0},  {"1", 0, 1},   {"7", 1, 1},  {"7", 0, 0},  {"", 1, 1},  {"", 0, 0},
               {"-1", 0, 0}, {"abc", 1, 0}, {" 1", 0, 1}, {"1x", 0, 1}, {"2", 1, 1}, {"01", 0, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(CheckBoxValue(c.stored, c.defaultValue), c.expected)
        << "'" << c.stored << "' default " << c.defaultValue;
  }
}

TEST(SettingsValues, ComboIndexes) {
  const struct {
    int stored, entries, expected;
  } cases[] = {{5, 3, 0}, {3, 3, 0}, {2, 3, 2}, {0, 3, 0}, {-1, 3, -1}, {-7, 3, -1}, {0, 0, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ClampComboIndex(c.stored, c.entries), c.expected) << c.stored << " of " << c.entries;
  }
}

TEST(WindowPlacement, ClampsToTheDesktop) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const struct {
    const char* name;
    WindowRect desktop, stored, expected;
  } cases[] = {
      {"inside and small keeps its size", kDesktop, {100, 100, 400, 300}, {100, 100, 400, 300}},
      {"left far off widens to 640", kDesktop, {-3000, 100, -2900, 500}, {0, 100, 640, 500}},
      {"left off but wide keeps right", kDesktop, {-50, 100, 900, 500}, {0, 100, 900, 500}},
      {"inverted edges are swapped", kDesktop, {400, 500, 100, 100}, {100, 100, 400, 500}},
      {"right beyond pulls left", kDesktop, {1500, 100, 2500, 500}, {1280, 100, 1920, 500}},
      {"bottom beyond pulls top", kDesktop, {100, 900, 500, 1300}, {100, 640, 500, 1080}},
      {"top above grows to 440", kDesktop, {100, -50, 500, 200}, {100, 0, 500, 440}},
      {"top at the desktop bottom", kDesktop, {100, 1080, 500, 1200}, {100, 0, 500, 1080}},
      {"left at the desktop right", kDesktop, {1920, 10, 1930, 20}, {0, 10, 1920, 20}},
      {"desktop not at the origin", {-1280, 0, 0, 1024}, {10, 10, 200, 200}, {-1280, 10, 0, 200}},
      {"desktop smaller than the minimum", {0, 0, 100, 100}, {-5, -5, 60, 60}, {0, 0, 100, 100}},
      {"larger than a small screen", {0, 0, 800, 600}, {-20, -20, 1900, 1000}, {0, 0, 800, 600}},
      {"extremes neither wrap nor overflow",
       {-100, -100, 1920, 1080},
       {kMin, kMin, kMax, kMax},
       {-100, -100, 1920, 1080}},
      {"steps beyond 32 bits are exact",
       {kMax - 10, kMax - 10, kMax, kMax},
       {0, 0, 1, 1},
       {kMax - 10, kMax - 10, kMax, kMax}},
      {"results beyond 32 bits saturate",
       {kMin, kMin, kMin + 10, kMin + 10},
       {0, 0, 1, 1},
       {kMin, kMin, kMin + 10, kMin + 10}},
  };
  for (const auto& c : cases) {
    const WindowRect r = ClampWindowPlacement(c.stored, c.desktop);
    EXPECT_EQ(r, c.expected) << c.name << ": got " << r.left << "," << r.top << "," << r.right
                             << "," << r.bottom;
  }
}

}  // namespace
}  // namespace tw
