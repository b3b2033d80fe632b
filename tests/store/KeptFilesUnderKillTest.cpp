// A program killed (SIGKILL) while it saves must leave every kept file whole: the old version or
// the new one, never half of one, never none. The saver is a test program that writes the
// settings, the currency list, a report, the exchange rates, a CSV and an XLSX export and a job
// file in a loop; it is killed a few
// hundred times, each time after a random part of two rounds of saves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>
#include <utility>
#include <vector>

#include "formats/spreadsheet/XlsxReader.h"
#include "support/TempDir.h"
#include "text/Utf16Text.h"

extern char** environ;

namespace tw {
namespace {

// Under the sanitizers every start of the saver costs many times more; the plain build makes
// the hundreds of kills.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

using test::ReadFileBytes;
using test::TempDir;

const char* const kKeptFiles[] = {"settings.ini",       "currency.dat", "report.html",
                                  "exchange-rates.txt", "export.csv",   "export.xlsx",
#ifdef TW_SAVER_WRITES_JOBS
                                  "job.tlwjob"
#endif
};

// What identifies a version of a kept file. The workbook carries the second it was written, so
// two saves of one version differ in bytes; its cells' text tells the versions apart, and a torn
// workbook cannot be read at all.
std::string VersionOf(const std::filesystem::path& file) {
  if (file.extension() != ".xlsx") return ReadFileBytes(file);
  try {
    std::string text;
    for (const TextPiece& piece : ReadXlsxDocument(file.string()).pieces) {
      text += Utf16ToUtf8(piece.text) + '\n';
    }
    return text;
  } catch (const std::exception& error) {
    return std::string("unreadable: ") + error.what();
  }
}

// Runs the saver with `arguments`; returns its pid and the read end of its standard output.
std::pair<pid_t, int> StartSaver(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), TW_KEPT_FILE_SAVER);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  return {pid, pipeEnds[0]};
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

std::map<std::string, std::string> SavedVersion(const TempDir& dir, const char* version) {
  const auto [pid, out] = StartSaver({"once", version, dir.Path().string()});
  EXPECT_GT(pid, 0);
  ::close(out);
  const int status = WaitFor(pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << version;
  std::map<std::string, std::string> files;
  for (const char* name : kKeptFiles) files[name] = VersionOf(dir.Path() / name);
  return files;
}

TEST(KeptFilesUnderKill, EveryFileIsTheOldOrTheNewVersion) {
  TempDir oldDir;
  TempDir newDir;
  const auto oldFiles = SavedVersion(oldDir, "old");
  const auto started = std::chrono::steady_clock::now();
  const auto newFiles = SavedVersion(newDir, "new");
  // Kills spread over about two rounds of saves, however fast this machine's disk syncs, so that
  // every file is caught before, during and after its save.
  const auto round = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - started);
  const int spread = static_cast<int>(std::max<int64_t>(2 * round.count(), 1500));
  for (const char* name : kKeptFiles) {
    ASSERT_FALSE(oldFiles.at(name).empty()) << name;
    ASSERT_NE(oldFiles.at(name).size(), newFiles.at(name).size()) << name;
  }

  TempDir work;
  SavedVersion(work, "old");
  const unsigned randomStart = std::random_device{}();
  std::mt19937 random(randomStart);
  std::uniform_int_distribution<int> microseconds(0, spread);
  std::map<std::string, int> newSeen;
  constexpr int kIterations = kSanitized ? 100 : 300;
  for (int i = 0; i < kIterations; ++i) {
    const auto [pid, out] = StartSaver({"loop", work.Path().string()});
    ASSERT_GT(pid, 0);
    char ready[8] = {};
    // The kill comes only once the loop runs, so that every iteration can hit a save.
    ASSERT_GT(::read(out, ready, sizeof ready), 0);
    ::close(out);
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
    ::kill(pid, SIGKILL);
    const int status = WaitFor(pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself";

    for (const char* name : kKeptFiles) {
      const std::string now = VersionOf(work.Path() / name);
      const bool isNew = now == newFiles.at(name);
      ASSERT_TRUE(isNew || now == oldFiles.at(name))
          << name << " is torn or missing after kill " << i << " (random start " << randomStart
          << "), " << now.size() << " bytes";
      newSeen[name] += isNew ? 1 : 0;
    }
  }
  // Had the kills all come before the first save or between whole rounds, nothing was tested.
  for (const char* name : kKeptFiles) {
    EXPECT_GT(newSeen[name], 0) << name;
    EXPECT_LT(newSeen[name], kIterations) << name;
  }
}

}  // namespace
}  // namespace tw
