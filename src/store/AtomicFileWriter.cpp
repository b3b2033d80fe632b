#include "store/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tw {
namespace {

// Distinguishes the temporary files of several writers in one process.
std::atomic<unsigned> tempCounter{0};

std::string TempPathFor(const std::string& target, unsigned attempt) {
  return target + ".tmp-" + std::to_string(::getpid()) + "-" +
         std::to_string(tempCounter.fetch_add(1)) + "-" + std::to_string(attempt);
}

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A replaced file keeps its permissions; a new one gets the usual 0666 less the umask, which
// open() already applied.
void KeepModeOf(const std::string& target, int fd) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ::fchmod(fd, existing.st_mode & 07777);
  }
}

// Makes the rename itself durable. A failure here leaves the new file in place already, so it is
// not reported.
void SyncFolder(const std::string& folder) {
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return;
  ::fsync(dirFd);
  ::close(dirFd);
}

// A kept file reached through a symbolic link is replaced where the link points, so the link
// itself survives.
std::string ResolveLinks(const std::string& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string targetPath)
    : targetPath_(ResolveLinks(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

bool AtomicFileWriter::Open() {
  Discard();
  error_.clear();
  if (targetPath_.empty()) {
    error_ = "no file name";
    return false;
  }
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    tempPath_ = TempPathFor(targetPath_, attempt);
    fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      KeepModeOf(targetPath_, fd_);
      return true;
    }
    if (errno != EEXIST) break;
  }
  tempPath_.clear();
  return Fail("create");
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return Fail("write");
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail("write");
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return Fail("write");
  if (::fsync(fd_) != 0) return Fail("sync");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return Fail("close");
  if (::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) return Fail("rename");
  tempPath_.clear();
  SyncFolder(FolderOf(targetPath_));
  return true;
}

bool AtomicFileWriter::Fail(const char* step) {
  error_ = std::string(step) + ": " + std::strerror(errno);
  Discard();
  return false;
}

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!tempPath_.empty()) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  AtomicFileWriter writer(path);
  const bool written = writer.Open() && writer.Write(bytes) && writer.Commit();
  if (error != nullptr) *error = writer.Error();
  return written;
}

}  // namespace tw
