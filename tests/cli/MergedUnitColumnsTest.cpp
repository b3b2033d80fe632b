#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/MergedUnitColumns.h"

namespace tw::cli {
namespace {

TEST(MergedUnitColumns, KnowsTheUnitColumnsInTheirPrintedOrder) {
  const struct {
    std::vector<std::string> names;
    bool known;
  } cases[] = {
      {{}, true},
      {{"lines", "pages", "new_words", "repeated_words", "weighted_words"}, true},
      {{"pages", "weighted_words"}, true},
      {{"pages", "lines"}, false},  // out of order
      {{"lines", "lines"}, false},
      {{"words"}, false},
      {{"Lines"}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MergedUnitColumns::Named(c.names).has_value(), c.known)
        << (c.names.empty() ? "" : c.names[0]);
  }
}

// Lines are printed in hundredths and new words whole: a cell printed otherwise is no output of
// ours, and a totals line with one adds nothing.
TEST(MergedUnitColumns, AddsTotalsExactlyAndRefusesCellsOfAnotherShape) {
  auto columns = MergedUnitColumns::Named({"lines", "new_words"});
  ASSERT_TRUE(columns);
  EXPECT_TRUE(columns->AddTotals({"0.99", "3"}));
  EXPECT_TRUE(columns->AddTotals({"12.02", "40"}));
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{"1.5", "1"},
                                                                                   {"1.500", "1"},
                                                                                   {"-1.00", "1"},
                                                                                   {".50", "1"},
                                                                                   {"1.00", "1.00"},
                                                                                   {"1.00", ""},
                                                                                   {"1.00"}}) {
    EXPECT_FALSE(columns->AddTotals(bad)) << bad[0];
  }
  EXPECT_EQ(columns->TotalTexts(), (std::vector<std::string>{"13.01", "43"}));
}

}  // namespace
}  // namespace tw::cli
