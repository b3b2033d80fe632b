#include "count/WholeFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tw {
namespace {

// Owns a file descriptor.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

ReadStatus WholeFileReader::Read(const std::string& path) {
  buffer_.reset();
  size_ = 0;
  // O_NONBLOCK keeps the open itself from waiting on a FIFO; such files are refused below.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) return ReadStatus::OpenFailed;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::OpenFailed;

  const size_t length = static_cast<size_t>(info.st_size);
  buffer_.reset(static_cast<uint8_t*>(std::malloc(length + 1)));
  if (!buffer_) return ReadStatus::AllocationFailed;

  size_t done = 0;
  while (done < length) {
    const ssize_t got = ::read(file.get(), buffer_.get() + done, length - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ReadStatus::ReadFailed;
    if (got == 0) break;  // the file shrank meanwhile: count what is there
    done += static_cast<size_t>(got);
  }
  size_ = done;
  return ReadStatus::Ok;
}

}  // namespace tw
