#include "text/MappedFileWindow.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "support/TempDir.h"

namespace tw {
namespace {

// Three pages and a bit of text that tells its offsets apart.
std::string PagesOfText() {
  std::string text;
  for (int line = 0; text.size() < 3 * 4096 + 100; ++line) text += std::to_string(line) + '\n';
  return text;
}

std::string AsText(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(MappedFileWindow, MapsAnyStretchOfTheFile) {
  const test::TempDir dir;
  const std::string text = PagesOfText();
  RegularFile file;
  ASSERT_TRUE(file.Open(dir.Write("text.txt", text)));
  struct Stretch {
    uint64_t offset;
    size_t length;
  };
  for (const Stretch stretch : {Stretch{0, text.size()}, Stretch{4095, 2}, Stretch{5000, 7000}}) {
    MappedFileWindow window;
    ASSERT_TRUE(window.Map(file, stretch.offset, stretch.length));
    EXPECT_EQ(AsText(window.Bytes()), text.substr(stretch.offset, stretch.length));
    EXPECT_FALSE(window.Lost());
  }
}

// Another program cuts the file short while it is mapped: the pages past its new end read as
// zeros and the window says so, where reading them would have ended the process.
TEST(MappedFileWindow, AFileCutShortWhileMappedReadsZerosAndSaysSo) {
  const test::TempDir dir;
  const std::string text = PagesOfText();
  const std::string path = dir.Write("text.txt", text);
  RegularFile file;
  ASSERT_TRUE(file.Open(path));
  MappedFileWindow window;
  ASSERT_TRUE(window.Map(file, 100, text.size() - 100));
  ASSERT_EQ(truncate(path.c_str(), 4096), 0);

  const std::string read = AsText(window.Bytes());
  EXPECT_TRUE(window.Lost());
  EXPECT_EQ(read.substr(0, 4096 - 100), text.substr(100, 4096 - 100));
  EXPECT_TRUE(std::all_of(read.begin() + (8192 - 100), read.end(), [](char c) { return c == 0; }));

  // The next window of the same thread starts afresh.
  ASSERT_TRUE(window.Map(file, 0, 4096));
  EXPECT_EQ(AsText(window.Bytes()), text.substr(0, 4096));
  EXPECT_FALSE(window.Lost());
}

// A bus error outside every window still ends the program, as it would without them.
TEST(MappedFileWindowDeathTest, ABusErrorElsewhereStillEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const test::TempDir dir;
  const std::string path = dir.Write("text.txt", PagesOfText());
  RegularFile file;
  ASSERT_TRUE(file.Open(path));
  MappedFileWindow window;
  ASSERT_TRUE(window.Map(file, 0, 4096));  // the handler is in place
  const auto readPastTheEnd = [&path] {
    const int fd = open(path.c_str(), O_RDONLY);
    const auto* mapped =
        static_cast<const volatile uint8_t*>(mmap(nullptr, 8192, PROT_READ, MAP_SHARED, fd, 0));
    if (truncate(path.c_str(), 0) != 0) return;
    static_cast<void>(mapped[4096]);
    std::exit(0);
  };
  // Killed by the signal; under the sanitizers, whose handler comes first, ended by theirs.
  EXPECT_DEATH(readPastTheEnd(), "");
}

}  // namespace
}  // namespace tw
