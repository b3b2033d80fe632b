#include "formats/pdf/PdfHelperProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "formats/ReadResult.h"
#include "formats/pdf/PdfHelperCommand.h"

extern char** environ;

namespace tw {
namespace {

constexpr size_t kBufferSize = 256 * 1024;
// A pipe this large lets the helper run ahead of the reader instead of waiting to be scheduled
// again every few pages when the machine is busy.
constexpr int kPipeSize = 1024 * 1024;
// How long a helper that has closed its output may take to end before it is ended.
constexpr auto kExitGrace = std::chrono::seconds(1);

// The child gets the write end as its standard output and nothing to read.
class SpawnFileActions {
 public:
  explicit SpawnFileActions(int outputFd) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, outputFd, STDOUT_FILENO);
  }
  ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnFileActions(const SpawnFileActions&) = delete;
  SpawnFileActions& operator=(const SpawnFileActions&) = delete;
  const posix_spawn_file_actions_t* Get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// The child starts with no signal blocked and dies of a broken pipe, whatever the calling thread
// blocks or ignores.
class SpawnAttributes {
 public:
  SpawnAttributes() {
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes_, &defaults);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* Get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

std::string Describe(int status) {
  if (WIFSIGNALED(status)) {
    const int signal = WTERMSIG(status);
    if (signal == SIGXCPU) return "used up its processor time";
    if (signal == SIGKILL) return "was killed (out of processor time or memory)";
    const char* description = sigdescr_np(signal);  // unlike strsignal, safe in any thread
    return "crashed (" + (description ? std::string(description) : std::to_string(signal)) + ")";
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == PdfHelperCommand::kOutOfMemory) {
    return "ran out of memory";
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == PdfHelperCommand::kUsage) {
    return "did not understand its command line";
  }
  return "ended before it had sent the whole document (exit status " +
         std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
}

}  // namespace

PdfHelperProcess::PdfHelperProcess(const std::string& program,
                                   const std::vector<std::string>& arguments, int idleTimeoutMs)
    : idleTimeoutMs_(idleTimeoutMs), buffer_(kBufferSize) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    throw ReaderError(std::string("no pipe to the PDF reader program: ") + std::strerror(errno));
  }
  fcntl(fds[1], F_SETPIPE_SZ, kPipeSize);  // a smaller pipe only costs speed
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const SpawnFileActions actions(fds[1]);
  const SpawnAttributes attributes;
  const int error =
      posix_spawn(&pid_, program.c_str(), actions.Get(), attributes.Get(), argv.data(), environ);
  close(fds[1]);  // the child's copy is its standard output; the read end sees its end
  readFd_ = fds[0];
  if (error != 0) {
    close(readFd_);
    throw ReaderError("the PDF reader program " + program + " cannot be started (" +
                      std::strerror(error) + ")");
  }
}

PdfHelperProcess::~PdfHelperProcess() {
  close(readFd_);
  if (!reaped_) {
    kill(pid_, SIGKILL);  // harmless when it has already ended: it is not reaped yet
    Reap();
  }
}

void PdfHelperProcess::Reap() {
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
  reaped_ = true;
}

std::string PdfHelperProcess::Failure() {
  if (reaped_) return "has ended";
  if (silent_) return "sent nothing for " + std::to_string(idleTimeoutMs_) + " ms";
  if (!closed_) {
    kill(pid_, SIGKILL);
    Reap();
    return "sent data that makes no sense";
  }
  // Its output has closed, so it is ending; one that lingers is ended.
  const auto deadline = std::chrono::steady_clock::now() + kExitGrace;
  int status = 0;
  pid_t done;
  while ((done = waitpid(pid_, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (done == pid_) {
    reaped_ = true;
    return Describe(status);
  }
  kill(pid_, SIGKILL);
  Reap();
  return "closed its output but did not end";
}

bool PdfHelperProcess::Refill() {
  pollfd wait{readFd_, POLLIN, 0};
  int ready;
  while ((ready = poll(&wait, 1, idleTimeoutMs_)) < 0 && errno == EINTR) {
  }
  if (ready == 0) silent_ = true;
  if (ready <= 0) return false;
  ssize_t got;
  while ((got = read(readFd_, buffer_.data(), buffer_.size())) < 0 && errno == EINTR) {
  }
  if (got <= 0) {
    closed_ = true;
    return false;
  }
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

}  // namespace tw
