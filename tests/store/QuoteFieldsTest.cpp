#include <gtest/gtest.h>

#include "store/QuoteFields.h"
#include "store/RecentJobs.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::TempDir;

TEST(QuoteFields, ComeBackAsTypedWithLineBreaksAndBackslashes) {
  TempDir dir;
  const std::string path = QuoteFieldsPathBeside((dir.Path() / "settings.ini").string());
  EXPECT_EQ(path, (dir.Path() / "quote-fields.txt").string());
  EXPECT_EQ(LoadQuoteFields(path), QuoteFields{});
  const QuoteFields fields{
      "Ana Díaz\nTranslations",           "ACME\\Legal\r\nDept.", "Q-2026-009", "50", "10", "19.5",
      "Payable in 30 days.\nThank you!\n"};
  ASSERT_TRUE(SaveQuoteFields(path, fields));
  QuoteFields expected = fields;
  expected.client = "ACME\\Legal\nDept.";  // CR LF typed into the box is kept as LF
  EXPECT_EQ(LoadQuoteFields(path), expected);
}

TEST(QuoteFields, UnknownKeysAndStrayLinesArePassedOver) {
  TempDir dir;
  const std::string path = dir.Write("q.txt", "Later=1\nnot a pair\r\nTaxPercent=20\r\n");
  EXPECT_EQ(LoadQuoteFields(path).taxPercent, "20");
  EXPECT_EQ(LoadQuoteFields(path).client, "");
}

TEST(QuoteFields, TheNextNumberCountsUpItsLastDigits) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "1"},    {"7", "8"},     {"Q-2026-009", "Q-2026-010"}, {"99", "100"},
      {"A", "A-2"}, {"7 b", "8 b"}, {"2026/099x", "2026/100x"},
  };
  for (const auto& [last, next] : cases) EXPECT_EQ(NextQuoteNumber(last), next) << last;
}

TEST(RecentJobs, KeepTheNewestFirstOnceAndAtMostEight) {
  TempDir dir;
  RecentJobs recent(RecentJobs::PathBeside((dir.Path() / "settings.ini").string()));
  for (int i = 1; i <= 10; ++i) recent.Add("/jobs/" + std::to_string(i) + ".tlwjob");
  recent.Add("/jobs/5.tlwjob");
  recent.Add("/jobs/bad\nname.tlwjob");
  recent.Add("");
  ASSERT_EQ(recent.Paths().size(), kRecentJobCount);
  EXPECT_EQ(recent.Paths()[0], "/jobs/5.tlwjob");
  EXPECT_EQ(recent.Paths()[1], "/jobs/10.tlwjob");
  EXPECT_EQ(recent.Paths()[7], "/jobs/3.tlwjob");  // 5 moved up, so 3 is still in
  ASSERT_TRUE(recent.Save());

  RecentJobs loaded(RecentJobs::PathBeside((dir.Path() / "settings.ini").string()));
  loaded.Load();
  EXPECT_EQ(loaded.Paths(), recent.Paths());
  loaded.Remove("/jobs/5.tlwjob");
  EXPECT_EQ(loaded.Paths().front(), "/jobs/10.tlwjob");
}

}  // namespace
}  // namespace tw
