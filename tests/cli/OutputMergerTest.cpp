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

// The lines between the header and the TOTAL line.
std::string RowLines(const std::string& tsv) {
  const size_t start = tsv.find('\n') + 1;
  return tsv.substr(start, tsv.rfind("\nTOTAL\t") + 1 - start);
}

// "One two three. Four five." is 5 words, 25 with spaces: 0.50 lines of 50, 0.01 pages; "One two
// three. Four five. Six." 6 words, 30 with spaces: 0.60 lines, 0.02 pages; "Six." 4 with spaces,
// 0.08 lines, and repeated after the second file in its shard: at half weight 0.50 words.
TEST(OutputMerger, UnitColumnsAreCarriedAndAddedUp) {
  TempDir dir;
  const std::vector<std::string> units = {"--units", "lines,pages",   "--line-length",
                                          "50",      "--repetitions", "--repetition-weight",
                                          "50"};
  const std::string first = dir.Write("a.txt", "One two three. Four five.");
  const std::vector<std::string> second = {dir.Write("b.txt", "One two three. Four five. Six."),
                                           dir.Write("c.txt", "Six.")};
  const CliOutcome firstTsv = RunCli(With(With(units, {"--format", "tsv"}), {first}));
  const CliOutcome secondTsv = RunCli(With(With(units, {"--format", "tsv"}), second));
  const std::string firstPath = dir.Write("first.tsv", firstTsv.out);
  const std::string secondPath =
      dir.Write("second.json", RunCli(With(With(units, {"--format", "json"}), second)).out);

  const CliOutcome merged = RunCli({"--format", "tsv", firstPath, secondPath}, true);
  EXPECT_EQ(merged.status, 0) << merged.errors;
  EXPECT_EQ(merged.out.substr(0, merged.out.find('\n')),
            firstTsv.out.substr(0, firstTsv.out.find('\n')));
  EXPECT_EQ(RowLines(merged.out), RowLines(firstTsv.out) + RowLines(secondTsv.out));
  EXPECT_EQ(TotalLine(merged.out), "TOTAL\t12\t59\t50\t\t\t0.12\t1.18\t0.03\t11\t1\t11.50\n");

  const CliOutcome json = RunCli({"--format", "json", secondPath, firstPath}, true);
  EXPECT_NE(json.out.find("\"amount\":0.12,\"lines\":1.18,\"pages\":0.03,\"new_words\":11,"
                          "\"repeated_words\":1,\"weighted_words\":11.50}"),
            std::string::npos)
      << json.out;
}

TEST(OutputMerger, OutputsOfOtherUnitsOrProfilesAreNotMixed) {
  TempDir dir;
  const std::string text = dir.Write("a.txt", "Some words here.");
  const auto output = [&](const std::string& name, std::vector<std::string> arguments) {
    arguments.push_back(text);
    return dir.Write(name, RunCli(arguments).out);
  };
  const std::string plain = output("plain.tsv", {"--format", "tsv"});
  const std::string lines = output("lines.tsv", {"--format", "tsv", "--units", "lines"});
  const std::string word = output("word.json", {"--format", "json", "--profile", "word"});
  const std::string classic = output("classic.json", {"--format", "json"});
  const struct {
    std::vector<std::string> outputs;
    std::string error;
  } cases[] = {
      {{plain, lines}, "other unit columns than the outputs before it"},
      {{word, classic}, "counted under another profile than the outputs before it"},
  };
  for (const auto& c : cases) {
    const CliOutcome outcome = RunCli(With({"--format", "json"}, c.outputs), true);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find(c.outputs[1] + ": " + c.error), std::string::npos)
        << outcome.errors;
  }
  // Outputs of one profile merge into an output that names it; a tsv output names none.
  const CliOutcome words = RunCli({"--format", "json", word, plain, word}, true);
  EXPECT_EQ(words.status, 0) << words.errors;
  EXPECT_NE(words.out.find("\"profile\":\"word\""), std::string::npos) << words.out;
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
