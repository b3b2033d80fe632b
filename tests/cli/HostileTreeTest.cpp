// Folders and files that change, lock or loop under the counter: denied folders are reported,
// not silently left out; link loops end; files that vanish, grow or shrink while counted give a
// row each; and odd names keep every output format parseable.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <thread>

#include "cli/CliRun.h"
#include "counting/CountJob.h"
#include "support/PermissionChecksEnforced.h"
#include "support/TempDir.h"

namespace tw::cli {
namespace {

namespace fs = std::filesystem;
using test::PermissionChecksEnforced;
using test::TempDir;

size_t Count(const std::string& text, const std::string& part) {
  size_t found = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

TEST(HostileTrees, DeniedFileAndFolderAreReportedAndTheRestCounted) {
  PermissionChecksEnforced enforced;
  if (!enforced.Active()) GTEST_SKIP() << "permissions cannot be enforced for this user";
  TempDir dir;
  dir.Write("open/a.txt", "one two");
  const std::string lockedFile = dir.Write("open/locked.txt", "three");
  dir.Write("shut/inside.txt", "four");
  const std::string lockedFolder = (dir.Path() / "shut").string();
  ::chmod(lockedFile.c_str(), 0);
  ::chmod(lockedFolder.c_str(), 0);

  const CliOutcome outcome = RunCommandLine({"-r", "--format", "tsv", dir.Path().string()});
  ::chmod(lockedFolder.c_str(), 0700);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.errors.find(lockedFolder + ": Permission denied\n"), std::string::npos)
      << outcome.errors;
  EXPECT_NE(outcome.errors.find(lockedFile + ": Permission denied\n"), std::string::npos)
      << outcome.errors;
  EXPECT_NE(outcome.out.find("TOTAL\t2\t"), std::string::npos) << outcome.out;
}

TEST(HostileTrees, LinkLoopsEndAndEachFileCountsOnce) {
  TempDir dir;
  dir.Write("top/a.txt", "one");
  dir.Write("top/sub/b.txt", "two words");
  fs::create_directory_symlink("..", dir.Path() / "top/sub/up");
  fs::create_directory_symlink(dir.Path() / "top", dir.Path() / "top/sub/again");
  fs::create_symlink("self.txt", dir.Path() / "top/self.txt");
  const CliOutcome outcome =
      RunCommandLine({"-r", "--format", "tsv", (dir.Path() / "top").string()});
  EXPECT_NE(outcome.out.find("TOTAL\t3\t"), std::string::npos) << outcome.out;
  EXPECT_EQ(Count(outcome.out, "a.txt"), 1u);
  EXPECT_EQ(Count(outcome.out, "b.txt"), 1u);
}

// Names with tabs, newlines, quotes and commas: every format still has one record per file.
TEST(HostileTrees, OddNamesKeepOneRecordPerFile) {
  TempDir dir;
  const std::vector<std::string> paths{
      dir.Write("tab\tnew\nline.txt", "a"), dir.Write("cr\r.txt", "b"),
      dir.Write("quote\"comma,.txt", "c"), dir.Write("plain.txt", "d")};
  std::vector<std::string> arguments{"--format", "tsv"};
  arguments.insert(arguments.end(), paths.begin(), paths.end());
  const CliOutcome tsv = RunCommandLine(arguments);
  // Header, one line per file, totals: nothing in a name may break a line or a field.
  EXPECT_EQ(Count(tsv.out, "\n"), paths.size() + 2) << tsv.out;
  EXPECT_EQ(Count(tsv.out, "\r"), 0u) << tsv.out;
  const size_t fieldsPerLine = Count(tsv.out.substr(0, tsv.out.find('\n')), "\t");
  EXPECT_EQ(Count(tsv.out, "\t"), fieldsPerLine * (paths.size() + 2));

  arguments[1] = "csv";
  const CliOutcome csv = RunCommandLine(arguments);
  EXPECT_NE(csv.out.find("/tab\tnew\nline.txt\",1,"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find("/quote\"\"comma,.txt\",1,"), std::string::npos) << csv.out;
  EXPECT_EQ(Count(csv.out, "\r\n"), paths.size() + 2);
}

// Changes the file being counted, the moment its count starts: a file listed and then gone, a
// file that grows, one that is cut short.
class ChangingFiles : public CountJobObserver {
 public:
  explicit ChangingFiles(std::vector<std::string> changes) : changes_(std::move(changes)) {}
  void FileStarted(int row, const std::string& path, int, int) override {
    const std::string& change = changes_.at(static_cast<size_t>(row));
    if (change == "vanish") fs::remove(path);
    if (change == "grow") fs::resize_file(path, 64 << 20);
    if (change == "shrink") fs::resize_file(path, 3);
  }
  void FileCounted(int row, const FileCounts& counts, double, const CountTotals&) override {
    words_[row] = counts.words;
  }
  void FileFailed(int row, const std::string& message) override { failures_[row] = message; }
  void Finished(bool, const CountTotals&) override { finished_ = true; }

  std::map<int, int64_t> words_;
  std::map<int, std::string> failures_;
  bool finished_ = false;

 private:
  std::vector<std::string> changes_;
};

TEST(HostileTrees, FilesThatChangeWhenTheirCountStartsGiveARowEach) {
  TempDir dir;
  const std::vector<std::string> changes{"vanish", "grow",   "shrink", "vanish",
                                         "shrink", "vanish", "none"};
  const char* names[] = {"gone.txt",     "grows.txt", "shrinks.txt", "gone.docx",
                         "shrinks.docx", "gone.pdf",  "last.txt"};
  const std::string wordDocument = test::ReadFileBytes(test::FixturePath("word/field.docx"));
  CountJobInput input;
  for (size_t i = 0; i < changes.size(); ++i) {
    const bool word = std::string(names[i]).ends_with(".docx");
    input.files.push_back(
        {static_cast<int>(i), dir.Write(names[i], word ? wordDocument : "one two three"), 0.0});
  }
  ChangingFiles observer(changes);
  CountJob(input).Run(observer);
  ASSERT_TRUE(observer.finished_);
  EXPECT_EQ(observer.words_.size() + observer.failures_.size(), changes.size());
  EXPECT_NE(observer.failures_[0].find("No such file or directory"), std::string::npos);
  EXPECT_NE(observer.failures_[3].find("could not be found"), std::string::npos);
  EXPECT_NE(observer.failures_[5].find("No such file or directory"), std::string::npos)
      << observer.failures_[5];
  EXPECT_EQ(observer.words_[1], 3);            // the zeros it grew by are no words
  EXPECT_EQ(observer.words_[2], 1);            // "one"
  EXPECT_EQ(observer.failures_.count(4), 1u);  // a package cut short is damaged
  EXPECT_EQ(observer.words_[6], 3);
}

// A file changing size over and over while it is read: each count ends, with numbers or a reason.
TEST(HostileTrees, AFileResizedWhileReadEndsInARow) {
  TempDir dir;
  const std::string path = dir.Write("flapping.txt", std::string(1 << 20, 'a') + " b");
  std::atomic<bool> done{false};
  std::thread resizer([&] {
    for (int i = 0; !done.load(); ++i) fs::resize_file(path, i % 2 == 0 ? 7 : 8 << 20);
  });
  CountJobInput input;
  for (int i = 0; i < 50; ++i) input.files.push_back({i, path, 0.0});
  ChangingFiles observer(std::vector<std::string>(50, "none"));
  CountJob(input).Run(observer);
  done.store(true);
  resizer.join();
  EXPECT_TRUE(observer.finished_);
  EXPECT_EQ(observer.words_.size() + observer.failures_.size(), 50u);
}

}  // namespace
}  // namespace tw::cli
