#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using test::FixturePath;
using test::TempDir;

CliOutcome RunCli(std::vector<std::string> arguments, bool merge = false) {
  if (merge) arguments.insert(arguments.begin(), "--merge");
  return RunCommandLine(arguments);
}

std::string TotalLine(const std::string& tsv) {
  const size_t start = tsv.rfind("\nTOTAL\t");
  return start == std::string::npos ? "" : tsv.substr(start + 1);
}

const std::vector<std::string> kPricing = {"--pricing", "Chars", "--rate", "0.013"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

// Counting shards apart and merging them gives the counts of one run over every file; the
// amount may differ by the rounding of each shard's total.
TEST(OutputMerger, ShardsAddUpToOneRun) {
  TempDir dir;
  const std::vector<std::string> first = {FixturePath("word/plain.docx"),
                                          FixturePath("pdf/columns.pdf")};
  const std::vector<std::string> second = {FixturePath("powerpoint/deck.pptx"),
                                           FixturePath("text/english.txt")};
  const std::string firstTsv =
      dir.Write("first.tsv", RunCli(With(With(kPricing, {"--format", "tsv"}), first)).out);
  const std::string secondJson =
      dir.Write("second.json", RunCli(With(With(kPricing, {"--format", "json"}), second)).out);

  const CliOutcome whole = RunCli(With(With(kPricing, {"--format", "tsv"}), With(first, second)));
  ASSERT_EQ(whole.status, 0) << whole.errors;
  const CliOutcome merged = RunCli({"--format", "tsv", firstTsv, secondJson}, true);
  EXPECT_EQ(merged.status, 0) << merged.errors;
  // Every row as the single run printed it, in the same order.
  EXPECT_EQ(merged.out.substr(0, merged.out.rfind("\nTOTAL\t")),
            whole.out.substr(0, whole.out.rfind("\nTOTAL\t")));
  const std::string wholeTotal = TotalLine(whole.out);
  const std::string mergedTotal = TotalLine(merged.out);
  const size_t amountAt = wholeTotal.rfind('\t');
  EXPECT_EQ(mergedTotal.substr(0, amountAt), wholeTotal.substr(0, amountAt));
  EXPECT_NEAR(std::stod(mergedTotal.substr(amountAt + 1)),
              std::stod(wholeTotal.substr(amountAt + 1)), 0.011);
}

TEST(OutputMerger, FailedRowsAndBadOutputsFailTheMerge) {
  TempDir dir;
  const std::string failedRow = dir.Write(
      "failed.json", RunCli({"--format", "json", (dir.Path() / "gone.txt").string()}).out);
  const std::string counted = dir.Write(
      "counted.tsv", RunCli({"--format", "tsv", dir.Write("a.txt", "three little words")}).out);
  const struct {
    const char* name;
    std::string text;
    std::string error;
  } cases[] = {
      {"a table, not tsv", RunCli({"--format", "table", dir.Write("b.txt", "x")}).out,
       "no tallywright-count tsv header"},
      {"csv", RunCli({"--format", "csv", dir.Write("c.txt", "x")}).out,
       "no tallywright-count tsv header"},
      {"cut short", "path\twords\tchars_with_spaces\tchars\tcurrency\trate\tamount\n",
       "no TOTAL line at the end"},
      {"broken json", "{\"schema_version\":1,", "not valid JSON"},
      {"another schema", R"({"schema_version":2,"files":[],"totals":{}})",
       "not a tallywright-count json output of schema version 1"},
  };
  for (const auto& c : cases) {
    const std::string bad = dir.Write("bad", c.text);
    const CliOutcome outcome = RunCli({"--format", "tsv", counted, bad}, true);
    EXPECT_EQ(outcome.status, 1) << c.name;
    EXPECT_EQ(outcome.errors.rfind("tallywright-count: " + bad + ": " + c.error, 0), 0u)
        << c.name << ": " << outcome.errors;
    // The readable output still counts.
    EXPECT_EQ(TotalLine(outcome.out), "TOTAL\t3\t18\t16\t\t\t0.03\n") << c.name;
  }

  const CliOutcome withFailure = RunCli({"--format", "json", counted, failedRow}, true);
  EXPECT_EQ(withFailure.status, 1);
  EXPECT_NE(withFailure.out.find("\"error\":\"No such file or directory\""), std::string::npos)
      << withFailure.out;
}

}  // namespace
}  // namespace tw::cli
