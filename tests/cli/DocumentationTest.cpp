#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "cli/CommandLine.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

using Options = std::set<std::string>;

Options Matches(const std::string& text, const std::regex& pattern) {
  Options found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[1]);
  }
  return found;
}

// The options --help lists: the words starting with '-' before the description column.
Options HelpOptions() {
  Options options;
  std::istringstream lines(UsageText());
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("  -", 0) != 0) continue;
    const std::string column = line.substr(0, line.find("  ", 2));
    const Options named = Matches(column, std::regex(R"((-[-a-z0-9]*))"));
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
  const Options help = HelpOptions();
  ASSERT_GT(help.size(), 10u);

  // A man page option is an emphasised word that starts a definition line: *-r*, *--recursive*
  const std::string page = SourceFile("docs/man/tallywright-count.1.scd");
  const Options manual = Matches(page, std::regex(R"((?:^|\n|, )\*(-[-a-z0-9]*)\*)"));
  EXPECT_EQ(manual, help);

  const std::string bash = SourceFile("packaging/completion/tallywright-count.bash");
  Options completed = Matches(bash, std::regex(R"([ '\n](--?[a-z0-9][-a-z0-9]*))"));
  for (const char* shellWord : {"-n", "-W", "-F"}) completed.erase(shellWord);
  Options helpWithoutStdin = help;
  helpWithoutStdin.erase("-");  // "-" is a path, completed as one
  EXPECT_EQ(completed, helpWithoutStdin);

  const std::string zsh = SourceFile("packaging/completion/_tallywright-count");
  const Options zshOptions = Matches(zsh, std::regex(R"((?:['{,)])(--?[a-z0-9][-a-z0-9]*))"));
  EXPECT_EQ(zshOptions, helpWithoutStdin);
}

}  // namespace
}  // namespace tw::cli
