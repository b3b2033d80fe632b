#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "cli/CliRun.h"
#include "cli/JsonValue.h"
#include "cli/PathListReader.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using test::FixturePath;
using test::TempDir;

TEST(CliConventions, ErrorLinesGiveTheSystemsOrTheReadersReason) {
  TempDir dir;
  const std::string locked = dir.Write("locked.txt", "secret words");
  ::chmod(locked.c_str(), 0);
  const bool root = ::geteuid() == 0;  // root opens any file, so nothing is denied
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {(dir.Path() / "gone.docx").string(), "No such file or directory"},
      {(dir.Path() / "gone.txt/inside.txt").string(), "No such file or directory"},
      {dir.Write("plain.txt", "x") + "/under-a-file.txt", "Not a directory"},
      {FixturePath("pdf/encrypted.pdf"), "The document needs a password to open"},
      {dir.Write("notes.xyz", "words"), "not a countable file type"},
      {locked, root ? "" : "Permission denied"},
  };
  for (const auto& c : cases) {
    if (c.reason.empty()) continue;
    const CliOutcome outcome = RunCommandLine({c.path});
    EXPECT_EQ(outcome.status, 1) << c.path;
    EXPECT_EQ(outcome.errors, "tallywright-count: " + c.path + ": " + c.reason + "\n");
  }
}

TEST(CliConventions, QuietKeepsFailuresOffStderrButNotOutOfTheStatus) {
  TempDir dir;
  const std::string counted = dir.Write("a.txt", "two words");
  const CliOutcome outcome =
      RunCommandLine({"--quiet", "--format", "tsv", counted, (dir.Path() / "gone.txt").string()});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.errors, "");
  EXPECT_NE(outcome.out.find("TOTAL\t2\t"), std::string::npos) << outcome.out;
}

// Whatever the names and failures, the json output parses, and its rows say what stderr said.
TEST(CliConventions, JsonStaysValidWhenFilesFail) {
  TempDir dir;
  const std::string good = dir.Write("one \"two\"\\three.txt", "four five");
  const std::string oddName = dir.Write("latin1-\xE9\x01\tname.txt", "six");
  const std::string missing = (dir.Path() / "missing\n.pdf").string();
  const CliOutcome outcome =
      RunCommandLine({"--format", "json", good, oddName, missing, FixturePath("pdf/encrypted.pdf"),
                      dir.Write("x.xyz", "")});
  EXPECT_EQ(outcome.status, 1);
  const JsonParse parsed = ParseJson(outcome.out);
  ASSERT_TRUE(parsed.value) << parsed.error << "\n" << outcome.out;
  const JsonValue& json = *parsed.value;
  ASSERT_TRUE(json.Member("schema_version"));
  EXPECT_EQ(json.Member("schema_version")->number, 1);
  const std::vector<JsonValue>& files = json.Member("files")->items;
  ASSERT_EQ(files.size(), 5u);
  EXPECT_EQ(files[0].Member("path")->text, good);
  // The byte 0xE9 alone is no UTF-8; it reads as U+FFFD, the rest of the name unchanged.
  EXPECT_EQ(files[1].Member("path")->text,
            (dir.Path() / "latin1-\xEF\xBF\xBD\x01\tname.txt").string());
  EXPECT_EQ(files[2].Member("path")->text, missing);

  int failed = 0;
  for (const JsonValue& file : files) {
    const JsonValue* error = file.Member("error");
    if (error->Is(JsonValue::Kind::Null)) {
      EXPECT_TRUE(file.Member("words")->Is(JsonValue::Kind::Number));
      continue;
    }
    ++failed;
    EXPECT_TRUE(file.Member("words")->Is(JsonValue::Kind::Null));
    EXPECT_TRUE(file.Member("amount")->Is(JsonValue::Kind::Null));
    EXPECT_NE(outcome.errors.find(": " + error->text + "\n"), std::string::npos) << error->text;
  }
  EXPECT_EQ(failed, 3);
  EXPECT_EQ(json.Member("totals")->Member("words")->number, 3);
}

TEST(CliConventions, PathListsFromStandardInput) {
  const struct {
    const char* name;
    std::string input;
    bool nulSeparated;
    std::vector<std::string> paths;
  } cases[] = {
      {"lines", "a.txt\nb c.docx\n", false, {"a.txt", "b c.docx"}},
      {"no final newline, CR LF, blank lines", "a.txt\r\n\n\nb.txt", false, {"a.txt", "b.txt"}},
      {"NUL keeps newlines in names",
       std::string("new\nline.txt\0b.txt\0", 19),
       true,
       {"new\nline.txt", "b.txt"}},
      {"NUL list keeps a final CR", std::string("a.txt\r\0\0", 8), true, {"a.txt\r"}},
      {"empty", "", false, {}},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    EXPECT_EQ(ReadPathList(in, c.nulSeparated), c.paths) << c.name;
  }

  std::istringstream in("b.txt\nc.txt\n");
  EXPECT_EQ(ExpandPathLists({"a.txt", "-", "d.txt", "-"}, in, false),
            (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt"}));
}

}  // namespace
}  // namespace tw::cli
