#include "formats/pdf/PdfHelperProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define TW_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_ADDRESS_SANITIZER 1
#endif
#endif

namespace tw {
namespace {

constexpr size_t kBufferSize = 256 * 1024;
// A pipe this large lets the helper run ahead of the reader instead of waiting to be scheduled
// again every few pages when the machine is busy.
constexpr int kPipeSize = 1024 * 1024;

void SetLimit(int resource, rlim_t value) {
  const rlimit limit{value, value};
  setrlimit(resource, &limit);
}

// The program's address space now: the helper starts with all of it (a window with many threads
// may already hold gigabytes of reservations), so its limit is counted on top.
rlim_t CurrentAddressSpace() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  unsigned long pages = 0;
  if (std::fscanf(statm, "%lu", &pages) != 1) pages = 0;
  std::fclose(statm);
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Runs in the child, so it only sets limits computed before the fork.
void ApplyLimits(const PdfHelperLimits& limits, rlim_t addressSpace) {
  SetLimit(RLIMIT_CPU, limits.cpuSeconds);
  SetLimit(RLIMIT_CORE, 0);  // a crash on a hostile file leaves no core behind
#ifndef TW_ADDRESS_SANITIZER
  // The address sanitizer reserves far more address space than any limit worth setting.
  SetLimit(RLIMIT_AS, addressSpace);
#else
  (void)addressSpace;
#endif
}

// The child keeps only the standard streams and its end of the pipe.
void CloseInheritedFiles(int keep) {
  if (keep > 3) close_range(3, static_cast<unsigned>(keep - 1), 0);
  close_range(static_cast<unsigned>(keep + 1), ~0u, 0);
}

[[noreturn]] void RunChild(int writeFd, const PdfHelperProcess::ChildWork& work,
                           const PdfHelperLimits& limits, rlim_t addressSpace) {
  signal(SIGPIPE, SIG_DFL);
  CloseInheritedFiles(writeFd);
  ApplyLimits(limits, addressSpace);
  int status = 0;
  try {
    work(writeFd);
  } catch (...) {
    status = 1;
  }
  _exit(status);
}

}  // namespace

std::unique_ptr<PdfHelperProcess> PdfHelperProcess::Start(const ChildWork& work,
                                                          const PdfHelperLimits& limits) {
  const rlim_t addressSpace = CurrentAddressSpace() + limits.addressSpaceBytes;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return nullptr;
  fcntl(fds[1], F_SETPIPE_SZ, kPipeSize);  // a smaller pipe only costs speed
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return nullptr;
  }
  if (pid == 0) {
    close(fds[0]);
    RunChild(fds[1], work, limits, addressSpace);
  }
  close(fds[1]);
  return std::make_unique<PdfHelperProcess>(pid, fds[0], limits.idleTimeoutMs);
}

PdfHelperProcess::PdfHelperProcess(pid_t pid, int readFd, int idleTimeoutMs)
    : pid_(pid), readFd_(readFd), idleTimeoutMs_(idleTimeoutMs), buffer_(kBufferSize) {}

PdfHelperProcess::~PdfHelperProcess() {
  close(readFd_);
  kill(pid_, SIGKILL);  // harmless when it has already ended: it is not reaped yet
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
}

bool PdfHelperProcess::Refill() {
  pollfd wait{readFd_, POLLIN, 0};
  int ready;
  while ((ready = poll(&wait, 1, idleTimeoutMs_)) < 0 && errno == EINTR) {
  }
  if (ready <= 0) return false;  // silent too long, or poll failed
  ssize_t got;
  while ((got = read(readFd_, buffer_.data(), buffer_.size())) < 0 && errno == EINTR) {
  }
  if (got <= 0) return false;
  position_ = 0;
  end_ = static_cast<size_t>(got);
  return true;
}

bool PdfHelperProcess::Read(void* into, size_t size) {
  auto* out = static_cast<char*>(into);
  while (size > 0) {
    if (position_ == end_ && !Refill()) return false;
    const size_t chunk = std::min(size, end_ - position_);
    std::memcpy(out, buffer_.data() + position_, chunk);
    position_ += chunk;
    out += chunk;
    size -= chunk;
  }
  return true;
}

bool PdfHelperProcess::WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

}  // namespace tw
