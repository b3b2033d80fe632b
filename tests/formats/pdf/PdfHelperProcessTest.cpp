#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "formats/pdf/PdfHelperCommand.h"
#include "formats/pdf/PdfReader.h"
#include "support/TempDir.h"

namespace tw {
namespace {

// Sets an environment variable for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

bool NoChildLeft() {
  return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

// Each way the helper can fail once it has started on a document costs that document, with a
// reason, quickly, and leaves no process behind.
TEST(PdfHelperProcess, AFailingHelperCostsTheFileWithAReason) {
  // A helper that burns processor time sends nothing either, so there the idle limit waits longer
  // than a busy machine may take to give it its second of processor time.
  const struct {
    const char* failure;
    int idleTimeoutMs;
    const char* reason;
  } cases[] = {
    {"crash", 20000, "crashed (Aborted)"},
    {"hang", 300, "sent nothing for 300 ms"},
    {"spin", 20000, "used up its processor time"},
#if !defined(__SANITIZE_ADDRESS__)
    {"hog", 20000, "ran out of memory"},
#endif
    {"garbage", 20000, "sent data that makes no sense"},
  };
  const std::string path = test::FixturePath("pdf/emptypage.pdf");
  for (const auto& c : cases) {
    const ScopedVariable failure(PdfHelperCommand::kFailureVariable, c.failure);
    const PdfHelperLimits limits{c.idleTimeoutMs, 1, 256ul << 20};
    const auto start = std::chrono::steady_clock::now();
    const ReadResult result = ReadPdfDocument(path, nullptr, limits);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.failure;
    ASSERT_FALSE(result.Ok()) << c.failure;
    const std::string reason = result.Error().Reason();
    EXPECT_NE(reason.find(path), std::string::npos) << reason;
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    EXPECT_TRUE(NoChildLeft()) << c.failure;
  }
}

TEST(PdfHelperProcess, AStopEndsTheHelper) {
  const ScopedVariable failure(PdfHelperCommand::kFailureVariable, "hang");
  const StopFlag stop{true};
  EXPECT_TRUE(ReadPdfDocument(test::FixturePath("pdf/plain.pdf"), &stop).WasStopped());
  EXPECT_TRUE(NoChildLeft());
}

// TALLYWRIGHT_PDF_READER chooses the program; one that is missing or speaks no wire format is an
// error for the file, never a crash or a document.
TEST(PdfHelperProcess, TheChosenProgramIsTrustedWithNothing) {
  test::TempDir dir;
  const std::string missing = (dir.Path() / "no-such-reader").string();
  const struct {
    std::string program;
    const char* reason;
  } cases[] = {
      {missing, "TALLYWRIGHT_PDF_READER names no program that can be run"},
      {"/bin/true", "ended before it had sent the whole document (exit status 0)"},
      {"/bin/echo", "sent data that makes no sense"},  // its arguments, back
  };
  for (const auto& c : cases) {
    const ScopedVariable program("TALLYWRIGHT_PDF_READER", c.program);
    const ReadResult result = ReadPdfDocument(test::FixturePath("pdf/plain.pdf"));
    ASSERT_FALSE(result.Ok()) << c.program;
    EXPECT_NE(result.Error().Reason().find(c.reason), std::string::npos) << result.Error().Reason();
  }
}

TEST(PdfHelperCommand, ArgumentsReadBackAsWritten) {
  const PdfHelperCommand command = PdfHelperCommand::For("-odd name.pdf", {1, 7, 1ul << 31});
  const std::optional<PdfHelperCommand> back = PdfHelperCommand::Parse(command.Arguments());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->path, "-odd name.pdf");
  EXPECT_EQ(back->cpuSeconds, 7u);
  EXPECT_EQ(back->addressSpaceBytes, 1ul << 31);
  const std::vector<std::string> wrong[] = {
      {},
      {"--cpu-seconds=7", "--address-space=9", "x.pdf"},
      {"--cpu-seconds=7x", "--address-space=9", "--", "x.pdf"},
      {"--cpu-seconds=", "--address-space=9", "--", "x.pdf"},
      {"--address-space=9", "--cpu-seconds=7", "--", "x.pdf"},
      {"--cpu-seconds=7", "--address-space=9", "--", ""},
  };
  for (const auto& arguments : wrong) EXPECT_FALSE(PdfHelperCommand::Parse(arguments));
}

}  // namespace
}  // namespace tw
