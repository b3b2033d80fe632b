#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "formats/pdf/PdfHelperProcess.h"

namespace tw {
namespace {

// Whether a read from a helper running `work` under `limits` ends without data, and how long
// it took.
bool ReadsNothing(const PdfHelperProcess::ChildWork& work, PdfHelperLimits limits) {
  const std::unique_ptr<PdfHelperProcess> helper = PdfHelperProcess::Start(work, limits);
  if (!helper) return false;
  char byte = 0;
  return !helper->Read(&byte, 1);
}

TEST(PdfHelperProcess, DeliversWhatTheChildWrites) {
  std::string big(300000, 'x');  // more than a pipe holds at once
  big[299999] = 'y';
  const auto helper =
      PdfHelperProcess::Start([&big](int fd) { PdfHelperProcess::WriteAll(fd, "abc" + big); }, {});
  ASSERT_TRUE(helper);
  std::string got(3 + big.size(), '\0');
  ASSERT_TRUE(helper->Read(got.data(), got.size()));
  EXPECT_EQ(got.substr(0, 4), "abcx");
  EXPECT_EQ(got.back(), 'y');
  char more = 0;
  EXPECT_FALSE(helper->Read(&more, 1));  // the child has ended
}

TEST(PdfHelperProcess, ACrashOrAHangCostsOnlyTheHelper) {
  PdfHelperLimits limits;
  limits.idleTimeoutMs = 200;
  limits.cpuSeconds = 1;
  const struct {
    const char* what;
    PdfHelperProcess::ChildWork work;
  } cases[] = {
      {"crash", [](int) { raise(SIGSEGV); }},
      {"abort", [](int) { abort(); }},
      {"exception", [](int) { throw std::runtime_error("broken"); }},
      {"silence", [](int) { std::this_thread::sleep_for(std::chrono::seconds(30)); }},
      {"endless loop",
       [](int) {
         std::atomic<unsigned long> spins{0};
         for (;;) spins.fetch_add(1, std::memory_order_relaxed);
       }},
  };
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ReadsNothing(c.work, limits)) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.what;
  }
}

TEST(PdfHelperProcess, CpuTimeIsLimitedEvenWhileTheHelperTalks) {
  PdfHelperLimits limits;
  limits.cpuSeconds = 1;
  const auto helper = PdfHelperProcess::Start(
      [](int fd) {
        for (;;) {
          if (!PdfHelperProcess::WriteAll(fd, "x")) return;
        }
      },
      limits);
  ASSERT_TRUE(helper);
  std::vector<char> sink(1 << 16);
  bool ended = false;
  for (int i = 0; i < 1000000 && !ended; ++i) ended = !helper->Read(sink.data(), sink.size());
  EXPECT_TRUE(ended);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(PdfHelperProcess, MemoryIsLimited) {
  PdfHelperLimits limits;
  limits.addressSpaceBytes = 256ul << 20;
  const auto helper = PdfHelperProcess::Start(
      [](int fd) {
        std::vector<char> huge(1ul << 30, 1);  // fails: more than the limit
        PdfHelperProcess::WriteAll(fd, std::string(1, huge.back()));
      },
      limits);
  ASSERT_TRUE(helper);
  char byte = 0;
  EXPECT_FALSE(helper->Read(&byte, 1));
}
#endif

TEST(PdfHelperProcess, EndingAHelperEarlyReapsIt) {
  {
    const auto helper = PdfHelperProcess::Start(
        [](int) { std::this_thread::sleep_for(std::chrono::seconds(30)); }, {});
    ASSERT_TRUE(helper);
  }
  // No child of this process is left behind, running or unreaped.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

}  // namespace
}  // namespace tw
