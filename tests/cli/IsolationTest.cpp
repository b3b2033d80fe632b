#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "CliRun.h"
#include "formats/isolation/ReaderCommand.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

// Makes the reader helpers started from now on fail on purpose on one file (test builds only).
class ScopedFailure {
 public:
  explicit ScopedFailure(const std::string& setting) {
    setenv(ReaderCommand::kFailureVariable, setting.c_str(), 1);
  }
  ~ScopedFailure() { unsetenv(ReaderCommand::kFailureVariable); }
};

// Every fixture of every format, counted in reader helpers by several jobs, in helpers by one
// job, and in this process: the same rows, messages and totals, in the same order.
TEST(Isolation, EveryWayOfCountingGivesTheSameOutput) {
  const std::string fixtures = test::FixturePath("");
  const CliOutcome pooled = RunCommandLine({"-r", "--format", "tsv", "--jobs", "3", fixtures});
  const CliOutcome oneJob = RunCommandLine({"-r", "--format", "tsv", "--jobs", "1", fixtures});
  const CliOutcome direct =
      RunCommandLine({"-r", "--format", "tsv", "--jobs", "1", "--no-isolation", fixtures});
  ASSERT_GT(std::count(direct.out.begin(), direct.out.end(), '\n'), 100);
  EXPECT_EQ(pooled.out, direct.out);
  EXPECT_EQ(oneJob.out, direct.out);
  EXPECT_EQ(pooled.errors, direct.errors);
  EXPECT_EQ(pooled.status, direct.status);
}

// A reader that crashes or talks nonsense on one file costs that file, with the reason; the files
// before and after it, of its batch and of others, are counted as always.
TEST(Isolation, AReaderThatFailsCostsOneFile) {
  test::TempDir dir;
  std::vector<std::string> paths;
  for (const char* name : {"a.docx", "broken.docx", "c.docx"}) {
    paths.push_back((dir.Path() / name).string());
    std::filesystem::copy_file(test::FixturePath("word/headers.docx"), paths.back());
  }
  paths.push_back(test::FixturePath("powerpoint/talk.pptx"));
  const std::vector<std::string> options = {"--format", "tsv", "--jobs", "2"};
  std::vector<std::string> arguments = options;
  arguments.insert(arguments.end(), paths.begin(), paths.end());
  const CliOutcome healthy = RunCommandLine(arguments);
  ASSERT_EQ(healthy.status, 0) << healthy.errors;
  const struct {
    const char* failure;
    const char* reason;
  } cases[] = {
      {"crash", "Word - the reader stopped: crashed with SIGABRT (Aborted)"},
      {"garbage", "Word - the reader stopped: it sent data that makes no sense"},
  };
  for (const auto& c : cases) {
    const ScopedFailure failure(std::string(c.failure) + ":broken.docx");
    const CliOutcome outcome = RunCommandLine(arguments);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "tallywright-count: " + paths[1] + ": " + c.reason + "\n");
    // The broken file's row lost its counts and the totals lost its share; nothing else changed.
    std::istringstream expected(healthy.out);
    std::istringstream got(outcome.out);
    std::string want;
    std::string line;
    int differing = 0;
    while (std::getline(expected, want) && std::getline(got, line)) {
      if (line != want) ++differing;
      if (line.find(paths[1]) == std::string::npos && line != want) {
        EXPECT_TRUE(line.starts_with("TOTAL\t")) << line;
      }
    }
    EXPECT_EQ(differing, 2) << outcome.out;
  }
}

TEST(CommandLineUsage, JobsAndIsolation) {
  const ParseResult parsed = ParseCommandLine({"--jobs=4", "--no-isolation", "a.docx"});
  ASSERT_TRUE(parsed.commandLine) << parsed.error;
  EXPECT_EQ(parsed.commandLine->jobs, 4);
  EXPECT_FALSE(parsed.commandLine->isolation);
  const ParseResult defaults = ParseCommandLine({"a.docx"});
  EXPECT_EQ(defaults.commandLine->jobs, 0);
  EXPECT_TRUE(defaults.commandLine->isolation);
  for (const char* wrong : {"0", "-1", "x", "2x", "", "257"}) {
    const ParseResult bad = ParseCommandLine({"--jobs", wrong, "a.docx"});
    EXPECT_FALSE(bad.commandLine) << wrong;
    EXPECT_EQ(bad.error, "--jobs must be a whole number from 1 to 256") << wrong;
  }
}

}  // namespace
}  // namespace tw::cli
