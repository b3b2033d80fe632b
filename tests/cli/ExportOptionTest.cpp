#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliRun.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using test::ReadFileBytes;
using test::TempDir;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The export holds what --format csv prints, with the reason of each failed file at the end.
TEST(ExportOption, CsvExportMatchesTheCsvOutputPlusTheReasons) {
  TempDir dir;
  const std::string a = dir.Write("a.txt", "Hello, world!");
  const std::string b = dir.Write("b, \"quoted\".txt", "one two three");
  const std::string broken = dir.Write("broken.docx", "not a zip");
  const std::string exported = (dir.Path() / "out.csv").string();
  const CliOutcome outcome =
      RunCommandLine({"--format", "csv", "--rate", "0.125", "--export", exported, a, b, broken});
  EXPECT_EQ(outcome.status, 1);
  const std::vector<std::string> printed = Lines(outcome.out);
  const std::vector<std::string> written = Lines(ReadFileBytes(exported));
  ASSERT_EQ(printed.size(), 5u);
  ASSERT_EQ(written.size(), printed.size());
  EXPECT_EQ(written[0], "path,words,chars_with_spaces,chars,currency,rate,amount,error\r");
  for (size_t i : {1u, 2u, 4u}) {
    EXPECT_EQ(written[i], printed[i].substr(0, printed[i].size() - 1) + ",\r") << i;
  }
  EXPECT_EQ(written[3].rfind(broken + ",,,,USD,0.125,,", 0), 0u) << written[3];
  EXPECT_GT(written[3].size(), broken.size() + 20);  // the reason follows
}

TEST(ExportOption, XlsxIsASpreadsheetAndABadNameIsAUsageError) {
  TempDir dir;
  const std::string exported = (dir.Path() / "out.XLSX").string();
  EXPECT_EQ(RunCommandLine({"-q", "--export=" + exported, dir.Write("a.txt", "a b")}).status, 0);
  EXPECT_EQ(ReadFileBytes(exported).substr(0, 2), "PK");

  const ParseResult wrong = ParseCommandLine({"--export", "out.ods", "a.txt"});
  EXPECT_FALSE(wrong.commandLine);
  EXPECT_NE(wrong.error.find(".csv or .xlsx"), std::string::npos);

  const CliOutcome unwritable = RunCommandLine(
      {"--export", (dir.Path() / "no" / "out.csv").string(), (dir.Path() / "a.txt").string()});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.errors.find("out.csv"), std::string::npos);
}

}  // namespace
}  // namespace tw::cli
