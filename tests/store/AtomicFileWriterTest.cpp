#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "store/AtomicFileWriter.h"
#include "support/TempDir.h"

namespace tw {
namespace {

using test::ReadFileBytes;
using test::TempDir;

size_t EntriesIn(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator()));
}

TEST(AtomicFileWriter, CreatesAndReplacesWholeFiles) {
  TempDir dir;
  const std::string path = (dir.Path() / "kept.dat").string();
  ASSERT_TRUE(WriteFileAtomically(path, std::string("first\0x", 7)));
  EXPECT_EQ(ReadFileBytes(path), std::string("first\0x", 7));
  ASSERT_TRUE(WriteFileAtomically(path, "2"));
  EXPECT_EQ(ReadFileBytes(path), "2");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileWriter, ReplacedFileKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.Write("kept.dat", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomically(path, "new"));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFileWriter, LinkedFileIsReplacedWhereTheLinkPoints) {
  TempDir dir;
  const std::string target = dir.Write("real/kept.dat", "old");
  const std::filesystem::path link = dir.Path() / "kept.dat";
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(WriteFileAtomically(link.string(), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(target), "new");
}

TEST(AtomicFileWriter, UncommittedWriteLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.Write("kept.dat", "old");
  {
    AtomicFileWriter writer(path);
    ASSERT_TRUE(writer.Open());
    ASSERT_TRUE(writer.Write("half of a new"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
  }
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicFileWriter, FailuresSayWhichStep) {
  TempDir dir;
  const std::string file = dir.Write("plain", "x");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(file + "/kept.dat", "new", &error));
  EXPECT_EQ(error.rfind("create: ", 0), 0u) << error;
  // The target is a folder: everything is written, the rename fails, nothing is left behind.
  std::filesystem::create_directory(dir.Path() / "folder");
  std::filesystem::create_directory(dir.Path() / "folder" / "inside");
  EXPECT_FALSE(WriteFileAtomically((dir.Path() / "folder").string(), "new", &error));
  EXPECT_EQ(error.rfind("rename: ", 0), 0u) << error;
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
  EXPECT_FALSE(WriteFileAtomically("", "new", &error));
}

}  // namespace
}  // namespace tw
