#include "text/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tw {

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RegularFile::Open(const std::string& path) {
  // O_NONBLOCK keeps the open itself from waiting on a FIFO; such files are refused below.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return false;
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size_ = static_cast<uint64_t>(info.st_size);
  return true;
}

std::string RegularFile::OpenFailureReason(const std::string& path) {
  // A socket does not open at all; it is no regular file either.
  struct stat named {};
  if (::stat(path.c_str(), &named) == 0 && S_ISSOCK(named.st_mode)) return "not a regular file";
  RegularFile file;
  if (file.Open(path)) return {};
  if (file.fd_ < 0) return std::strerror(errno);
  struct stat info {};
  if (::fstat(file.fd_, &info) == 0 && S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
  return "not a regular file";
}

long RegularFile::ReadSome(uint8_t* target, size_t length) {
  for (;;) {
    const ssize_t got = ::read(fd_, target, length);
    if (got >= 0 || errno != EINTR) return static_cast<long>(got);
  }
}

long RegularFile::ReadFully(uint8_t* target, size_t length) {
  size_t done = 0;
  while (done < length) {
    const long got = ReadSome(target + done, length - done);
    if (got < 0) return -1;
    if (got == 0) break;  // the file shrank meanwhile: what is there is what counts
    done += static_cast<size_t>(got);
  }
  return static_cast<long>(done);
}

long RegularFile::ReadAt(uint8_t* target, size_t length, uint64_t offset) const {
  size_t done = 0;
  while (done < length) {
    const ssize_t got =
        ::pread(fd_, target + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<long>(done);
}

bool RegularFile::Rewind() {
  return ::lseek(fd_, 0, SEEK_SET) == 0;
}

}  // namespace tw
