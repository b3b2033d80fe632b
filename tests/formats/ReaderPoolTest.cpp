#include "formats/isolation/ReaderPool.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "formats/isolation/ReaderCommand.h"
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

void ExpectSameDocument(const Document& isolated, const Document& direct, const std::string& file) {
  EXPECT_EQ(isolated.sectionCount, direct.sectionCount) << file;
  EXPECT_EQ(isolated.hasTitleMaster, direct.hasTitleMaster) << file;
  ASSERT_EQ(isolated.pieces.size(), direct.pieces.size()) << file;
  for (size_t i = 0; i < direct.pieces.size(); ++i) {
    const TextPiece& a = isolated.pieces[i];
    const TextPiece& b = direct.pieces[i];
    EXPECT_TRUE(a.kind == b.kind && a.text == b.text && a.container == b.container &&
                a.headerFooter == b.headerFooter && a.groupDepth == b.groupDepth &&
                a.hidden == b.hidden && a.revision == b.revision && a.fieldResult == b.fieldResult)
        << file << " piece " << i;
  }
}

// Every format comes back from a helper exactly as its reader reads it here, and one helper
// reads them all in turn.
TEST(ReaderPool, DocumentsComeBackAsTheReadersReadThem) {
  const struct {
    const char* file;
    DocumentFormat format;
  } cases[] = {
      {"word/headers.docx", DocumentFormat::Word},
      {"word/comments.doc", DocumentFormat::Word},
      {"word/field.rtf", DocumentFormat::Word},
      {"powerpoint/talk.pptx", DocumentFormat::Presentation},
      {"powerpoint/deck.ppt", DocumentFormat::Presentation},
      {"pdf/columns.pdf", DocumentFormat::Pdf},
      {"pdf/encrypted.pdf", DocumentFormat::Pdf},
      {"formats/cells.xlsx", DocumentFormat::Spreadsheet},
      {"formats/sentences.xlf", DocumentFormat::XliffTarget},
      {"formats/sentences.srt", DocumentFormat::Subtitle},
      {"formats/sentences.csv", DocumentFormat::Csv},
      {"formats/sentences.epub", DocumentFormat::Epub},
      {"formats/missing.json", DocumentFormat::Json},
  };
  ReaderPool pool(1);
  for (const auto& c : cases) {
    const std::string path = test::FixturePath(c.file);
    const ReadResult isolated = pool.Read(c.format, path, nullptr);
    const ReadResult direct = ReadInThisProcess(c.format, path);
    ASSERT_EQ(isolated.Ok(), direct.Ok()) << c.file;
    if (direct.Ok()) {
      ExpectSameDocument(isolated.Doc(), direct.Doc(), c.file);
    } else {
      EXPECT_EQ(isolated.Error().Reason(), direct.Error().Reason());
      EXPECT_EQ(isolated.Error().Detail(), direct.Error().Detail());
      EXPECT_EQ(isolated.Error().GetCause(), direct.Error().GetCause());
    }
  }
  EXPECT_EQ(pool.HelpersStarted(), 1);
}

// Each way a helper can fail costs that document, with the reason, quickly; the next document
// gets a new helper.
TEST(ReaderPool, AFailingHelperCostsOneFileWithAReason) {
  // A helper that burns processor time sends nothing either, so there the idle limit waits longer
  // than a busy machine may take to give it its second of processor time.
  const struct {
    const char* failure;
    int idleTimeoutMs;
    const char* reason;
  } cases[] = {
    {"crash", 20000, "the reader stopped: crashed with SIGABRT (Aborted)"},
    {"hang", 300, "the reader stopped: no answer within 300 ms"},
    {"spin", 20000, "the reader stopped: out of processor time (SIGXCPU)"},
#if !defined(__SANITIZE_ADDRESS__)
    {"hog", 20000, "the reader stopped: out of memory"},
#endif
    {"garbage", 20000, "the reader stopped: it sent data that makes no sense"},
  };
  test::TempDir dir;
  const std::string bad = (dir.Path() / "bad.docx").string();
  const std::string good = (dir.Path() / "good.docx").string();
  std::filesystem::copy_file(test::FixturePath("word/headers.docx"), bad);
  std::filesystem::copy_file(test::FixturePath("word/headers.docx"), good);
  for (const auto& c : cases) {
    const ScopedVariable failure(ReaderCommand::kFailureVariable,
                                 std::string(c.failure) + ":bad.docx");
    ReaderPool pool(1, {c.idleTimeoutMs, 1, 256ul << 20});
    EXPECT_TRUE(pool.Read(DocumentFormat::Word, good, nullptr).Ok()) << c.failure;
    const auto start = std::chrono::steady_clock::now();
    const ReadResult result = pool.Read(DocumentFormat::Word, bad, nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.failure;
    ASSERT_FALSE(result.Ok()) << c.failure;
    EXPECT_EQ(result.Error().Reason(), std::string(c.reason) + ": " + bad);
    EXPECT_TRUE(pool.Read(DocumentFormat::Word, good, nullptr).Ok()) << c.failure;
    EXPECT_EQ(pool.HelpersStarted(), 2) << c.failure;
  }
  EXPECT_TRUE(NoChildLeft());
}

TEST(ReaderPool, AStopEndsTheWaitAndTheHelper) {
  test::TempDir dir;
  const std::string path = (dir.Path() / "held.pdf").string();
  std::filesystem::copy_file(test::FixturePath("pdf/plain.pdf"), path);
  const ScopedVariable failure(ReaderCommand::kFailureVariable, "hang:held.pdf");
  {
    ReaderPool pool(1);
    const StopFlag stop{true};
    EXPECT_TRUE(pool.Read(DocumentFormat::Pdf, path, &stop).WasStopped());
  }
  EXPECT_TRUE(NoChildLeft());
}

// More threads than kept helpers never start more helpers: a thread waits for one to come back,
// one that failed frees its place for a new one, and a stop ends the wait.
TEST(ReaderPool, ThreadsBeyondTheKeptHelpersWaitForOne) {
  test::TempDir dir;
  const std::string good = (dir.Path() / "good.docx").string();
  const std::string bad = (dir.Path() / "bad.docx").string();
  std::filesystem::copy_file(test::FixturePath("word/headers.docx"), good);
  std::filesystem::copy_file(test::FixturePath("word/headers.docx"), bad);
  const ScopedVariable failure(ReaderCommand::kFailureVariable, "crash:bad.docx");
  {
    ReaderPool pool(2);
    std::vector<int> read(5, 0);
    std::vector<std::jthread> threads;
    for (size_t t = 0; t < read.size(); ++t) {
      threads.emplace_back([&pool, &read, &good, &bad, t] {
        for (int i = 0; i < 4; ++i) {
          const bool crashing = t == 0 && i == 1;
          read[t] += pool.Read(DocumentFormat::Word, crashing ? bad : good, nullptr).Ok();
        }
      });
    }
    threads.clear();
    EXPECT_EQ(read, std::vector<int>({3, 4, 4, 4, 4}));
    // Two helpers at a time: at most the two first and one in place of the one that crashed
    // (without the bound, each of the five threads would start its own for its first document).
    EXPECT_LE(pool.HelpersStarted(), 3);
  }
  {
    const ScopedVariable hang(ReaderCommand::kFailureVariable, "hang:bad.docx");
    ReaderPool pool(1);
    StopFlag holdStop{false};
    std::jthread holder([&] { pool.Read(DocumentFormat::Word, bad, &holdStop); });
    const StopFlag stop{true};
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(pool.Read(DocumentFormat::Word, good, &stop).WasStopped());
    holdStop.store(true);
  }
  EXPECT_TRUE(NoChildLeft());
}

// TALLYWRIGHT_READER chooses the program; one that is missing or speaks no wire format is an
// error for the file, never a crash or a document.
TEST(ReaderPool, TheChosenProgramIsTrustedWithNothing) {
  test::TempDir dir;
  const std::string missing = (dir.Path() / "no-such-reader").string();
  const struct {
    std::string program;
    const char* reason;
  } cases[] = {
      {missing, "TALLYWRIGHT_READER names no program that can be run"},
      {"/bin/true", "the reader stopped: it ended before it had answered (exit status 0)"},
      {"/bin/echo", "the reader stopped: it sent data that makes no sense"},  // its arguments
  };
  for (const auto& c : cases) {
    const ScopedVariable program("TALLYWRIGHT_READER", c.program);
    ReaderPool pool(1);
    const ReadResult result =
        pool.Read(DocumentFormat::Pdf, test::FixturePath("pdf/plain.pdf"), nullptr);
    ASSERT_FALSE(result.Ok()) << c.program;
    EXPECT_NE(result.Error().Reason().find(c.reason), std::string::npos) << result.Error().Reason();
  }
}

TEST(ReaderCommand, ArgumentsReadBackAsWritten) {
  const ReaderCommand command = ReaderCommand::For({1, 7, 1ul << 31});
  const std::optional<ReaderCommand> back = ReaderCommand::Parse(command.Arguments());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->cpuSeconds, 7u);
  EXPECT_EQ(back->addressSpaceBytes, 1ul << 31);
  const std::vector<std::string> wrong[] = {
      {},
      {"--cpu-seconds=7"},
      {"--cpu-seconds=7x", "--address-space=9"},
      {"--cpu-seconds=", "--address-space=9"},
      {"--address-space=9", "--cpu-seconds=7"},
      {"--cpu-seconds=7", "--address-space=9", "x.pdf"},
  };
  for (const auto& arguments : wrong) EXPECT_FALSE(ReaderCommand::Parse(arguments));
}

}  // namespace
}  // namespace tw
