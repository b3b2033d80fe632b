#include <gtest/gtest.h>

#include <clocale>

#include "text/CNumbers.h"

namespace tw {
namespace {

TEST(CNumbers, ParsesIntegersLikeTheCLibrary) {
  const std::pair<const char*, int64_t> cases[] = {
      {"42", 42}, {"  -7x", -7},  {"+3", 3},    {"abc", 0},
      {"", 0},    {"\t12 3", 12}, {"0012", 12}, {"99999999999999999999", INT64_MAX},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseCInteger(text), expected) << text;
}

TEST(CNumbers, ParsesDoublesLikeTheCLibrary) {
  const std::pair<const char*, double> cases[] = {
      {"0.01", 0.01}, {"1,5", 1.0},   {" .5", 0.5},    {"5.", 5.0}, {"", 0.0},
      {"abc", 0.0},   {"-2.5", -2.5}, {"1e2x", 100.0}, {".", 0.0},
  };
  for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(ParseCDouble(text), expected) << text;
}

TEST(CNumbers, FormatsFixedWithMinimumWidth) {
  EXPECT_EQ(FormatFixed(1.23, 2, 7), "   1.23");
  EXPECT_EQ(FormatFixed(0.0, 2, 7), "   0.00");
  EXPECT_EQ(FormatFixed(12345.678, 2, 7), "12345.68");
  EXPECT_EQ(FormatFixed(1.23, 2, 9), "     1.23");
  EXPECT_EQ(FormatFixed(2.5, 2), "2.50");
}

TEST(CNumbers, IgnoreTheProcessLocale) {
  // A user locale with a decimal comma must not change the numbers the list shows.
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(FormatFixed(1.5, 2, 7), "   1.50");
  EXPECT_DOUBLE_EQ(ParseCDouble("1.5"), 1.5);
  if (previous != nullptr) std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace tw
