#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/CommandLine.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using Options = std::set<std::string>;

bool IsNameCharacter(char c) {
  return c == '-' || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The words of `text` that start with '-' right after one of the characters in `after`, up to
// the first character no option name holds.
Options DashWords(const std::string& text, const std::string& after) {
  Options found;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] != '-' || after.find(text[i - 1]) == std::string::npos) continue;
    size_t end = i + 1;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    found.insert(text.substr(i, end - i));
    i = end;
  }
  return found;
}

// The options on the lines of `text` that start with `prefix`, before the description column.
Options LineOptions(const std::string& text, const std::string& prefix, const std::string& after) {
  Options options;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    const Options named = DashWords(" " + line.substr(0, line.find("  ", 2)), after);
    options.insert(named.begin(), named.end());
  }
  return options;
}

std::string SourceFile(const std::string& relative) {
  return test::ReadFileBytes(std::string(TW_SOURCE_DIR) + "/" + relative);
}

// --help, the man page and the shell completion name the same options, so none of them falls
// behind when an option is added.
TEST(Documentation, HelpManPageAndCompletionNameTheSameOptions) {
  const Options help = LineOptions(UsageText(), "  -", " ");
  ASSERT_GT(help.size(), 10u);

  // A man page option is an emphasised word that starts a definition line: *-r*, *--recursive*
  const std::string page = SourceFile("docs/man/tallywright-count.1.scd");
  EXPECT_EQ(LineOptions(page, "*-", "*"), help);

  Options helpWithoutStdin = help;
  helpWithoutStdin.erase("-");  // "-" is a path, completed as one
  Options bash = DashWords(SourceFile("packaging/completion/tallywright-count.bash"), " '\n");
  for (const char* shellWord : {"-", "--", "-n", "-o", "-W", "-F"}) bash.erase(shellWord);
  EXPECT_EQ(bash, helpWithoutStdin);

  const Options zsh = DashWords(SourceFile("packaging/completion/_tallywright-count"), "'{,)");
  EXPECT_EQ(zsh, helpWithoutStdin);
}

}  // namespace
}  // namespace tw::cli
