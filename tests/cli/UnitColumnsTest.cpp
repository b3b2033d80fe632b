#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using test::TempDir;

// "One two three. Four five." is 5 words, 21 characters and 4 spaces: 25 with spaces, 0.50
// lines of 50, 0.01 pages of 1 800 (0.0138...). The second file repeats both sentences and adds
// "Six." (1 word, 4 characters, 1 space): 6 words, 30 with spaces, 5 repeated.
class UnitColumns : public ::testing::Test {
 protected:
  void SetUp() override {
    first = dir.Write("a.txt", "One two three. Four five.");
    second = dir.Write("b.txt", "One two three. Four five. Six.");
  }
  TempDir dir;
  std::string first;
  std::string second;
};

TEST_F(UnitColumns, DefaultOutputHasNoUnitColumns) {
  const CliOutcome outcome = RunCommandLine({"--format", "tsv", first});
  EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')),
            "path\twords\tchars_with_spaces\tchars\tcurrency\trate\tamount");
}

TEST_F(UnitColumns, PricingByLinesPrintsTheLines) {
  const CliOutcome outcome = RunCommandLine({"--format", "tsv", "--pricing", "Lines", "--rate", "2",
                                             "--line-length", "50", first, second});
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  // 30 / 50 = 0.60 lines at 2 is 1.20.
  EXPECT_EQ(outcome.out, "path\twords\tchars_with_spaces\tchars\tcurrency\trate\tamount\tlines\n" +
                             first + "\t5\t25\t21\tUSD\t2\t1.00\t0.50\n" + second +
                             "\t6\t30\t25\tUSD\t2\t1.20\t0.60\n"
                             "TOTAL\t11\t55\t46\t\t\t2.20\t1.10\n");
}

TEST_F(UnitColumns, RepetitionsAndPagesInCsvAndJson) {
  const CliOutcome csv = RunCommandLine({"--format", "csv", "--units", "pages", "--repetitions",
                                         "--repetition-weight", "50", first, second});
  EXPECT_EQ(csv.out,
            "path,words,chars_with_spaces,chars,currency,rate,amount,pages,new_words,repeated_"
            "words,weighted_words\r\n" +
                first + ",5,25,21,USD,0.01,0.05,0.01,5,0,5.00\r\n" + second +
                ",6,30,25,USD,0.01,0.06,0.02,1,5,3.50\r\n"
                "TOTAL,11,55,46,,,0.11,0.03,6,5,8.50\r\n");
  const CliOutcome json =
      RunCommandLine({"--format", "json", "--pricing", "Weighted words", "--rate", "1", second});
  EXPECT_NE(json.out.find("\"amount\":6.00,\"new_words\":6,\"repeated_words\":0,"
                          "\"weighted_words\":6.00,\"error\":null"),
            std::string::npos)
      << json.out;
}

TEST_F(UnitColumns, BadUnitValuesAreUsageErrors) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--line-length", "0", "x"},
        {"--page-length", "1.5", "x"},
        {"--repetition-weight", "101", "x"},
        {"--units", "lines,words", "x"},
        {"--pricing", "lines", "x"}}) {
    EXPECT_FALSE(ParseCommandLine(arguments).commandLine) << arguments[0] << " " << arguments[1];
  }
}

}  // namespace
}  // namespace tw::cli
