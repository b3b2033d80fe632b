#include <gtest/gtest.h>

#include "CliRun.h"
#include "support/TempDir.h"
#include "text/Utf16Text.h"

namespace tw::cli {
namespace {

TEST(ProfileOption, TakesTheProfileByName) {
  const struct {
    std::vector<std::string> arguments;
    CountProfile profile;
  } cases[] = {
      {{"a.txt"}, CountProfile::Classic},
      {{"--profile", "word", "a.txt"}, CountProfile::Word},
      {{"--profile=segments", "a.txt"}, CountProfile::Segments},
      {{"--profile", "classic", "a.txt"}, CountProfile::Classic},
  };
  for (const auto& c : cases) {
    const ParseResult parsed = ParseCommandLine(c.arguments);
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(parsed.commandLine->options.profile, c.profile);
  }
  for (const char* bad : {"Word", "", "words"}) {
    const ParseResult parsed = ParseCommandLine({"--profile", bad, "a.txt"});
    EXPECT_FALSE(parsed.commandLine);
    EXPECT_EQ(parsed.error, "--profile must be classic, word or segments");
  }
}

// The JSON output and the report name a profile other than classic; classic output is as it
// always was.
TEST(ProfileOption, OutputsNameTheProfileOnlyWhenItIsNotClassic) {
  test::TempDir dir;
  const std::string page = test::FixturePath("profiles/sentence.html");
  const std::string report = (dir.Path() / "report.html").string();
  const CliOutcome word =
      RunCommandLine({"--profile", "word", "--format", "json", "--report", report, page});
  EXPECT_EQ(word.status, 0) << word.errors;
  EXPECT_NE(word.out.find("\"words\":21,\"chars_with_spaces\":82,\"chars\":69,"), std::string::npos)
      << word.out;
  EXPECT_NE(word.out.find(",\"include\":[],\"profile\":\"word\"}\n"), std::string::npos);
  const std::string line = Utf16LeBytes(u"<body>\n\r<p>Counting profile: word</p>\n\r<table");
  EXPECT_NE(test::ReadFileBytes(report).find(line), std::string::npos);

  const CliOutcome classic = RunCommandLine({"--format", "json", "--report", report, page});
  EXPECT_EQ(classic.status, 0) << classic.errors;
  EXPECT_EQ(classic.out.find("\"profile\""), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(report).find(Utf16LeBytes(u"Counting profile")), std::string::npos);
}

}  // namespace
}  // namespace tw::cli
