#include "formats/isolation/ReaderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "formats/ReadResult.h"
#include "formats/isolation/ReaderCommand.h"

extern char** environ;

namespace tw {
namespace {

constexpr size_t kBufferSize = 256 * 1024;
// A socket buffer this large lets the helper run ahead of the reader instead of waiting to be
// scheduled again every few pages when the machine is busy.
constexpr int kSocketBufferSize = 1024 * 1024;
// How often a wait for the helper looks at the stop request.
constexpr int kStopTestMs = 50;
// How long a helper that has closed its output may take to end before it is ended.
constexpr auto kExitGrace = std::chrono::seconds(1);

// The child gets its end of the socket as its standard input and output.
class SpawnFileActions {
 public:
  explicit SpawnFileActions(int childFd) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_adddup2(&actions_, childFd, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions_, childFd, STDOUT_FILENO);
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

std::string SignalName(int signal) {
  const char* abbreviation = sigabbrev_np(signal);  // unlike strsignal, safe in any thread
  return abbreviation ? std::string("SIG") + abbreviation : "signal " + std::to_string(signal);
}

std::string Describe(int status) {
  if (WIFSIGNALED(status)) {
    const int signal = WTERMSIG(status);
    if (signal == SIGXCPU) return "out of processor time (SIGXCPU)";
    if (signal == SIGKILL) return "killed by SIGKILL";
    const char* description = sigdescr_np(signal);
    return "crashed with " + SignalName(signal) +
           (description ? " (" + std::string(description) + ")" : "");
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == ReaderCommand::kOutOfMemory) {
    return "out of memory";
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == ReaderCommand::kUsage) {
    return "it did not understand its command line";
  }
  return "it ended before it had answered (exit status " +
         std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
}

std::string Duration(int milliseconds) {
  if (milliseconds % 1000 == 0) return std::to_string(milliseconds / 1000) + " s";
  return std::to_string(milliseconds) + " ms";
}

}  // namespace

ReaderProcess::ReaderProcess(const std::string& program, const std::vector<std::string>& arguments,
                             int idleTimeoutMs)
    : idleTimeoutMs_(idleTimeoutMs), buffer_(kBufferSize) {
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
    throw ReaderError(std::string("no socket to the reader program: ") + std::strerror(errno));
  }
  for (const int fd : fds) {  // smaller buffers only cost speed
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSocketBufferSize, sizeof kSocketBufferSize);
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &kSocketBufferSize, sizeof kSocketBufferSize);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const SpawnFileActions actions(fds[1]);
  const SpawnAttributes attributes;
  const int error =
      posix_spawn(&pid_, program.c_str(), actions.Get(), attributes.Get(), argv.data(), environ);
  close(fds[1]);  // the child's copy is its standard input and output; ours sees its end
  socket_ = fds[0];
  if (error != 0) {
    close(socket_);
    throw ReaderError("the reader program " + program + " cannot be started (" +
                      std::strerror(error) + ")");
  }
}

ReaderProcess::~ReaderProcess() {
  End();
  if (!reaped_) Reap();
}

void ReaderProcess::End() {
  if (socket_ >= 0) close(socket_);
  socket_ = -1;
  if (!reaped_) kill(pid_, SIGKILL);  // harmless when it has already ended: it is not reaped yet
}

void ReaderProcess::Reap() {
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
  reaped_ = true;
}

// MSG_NOSIGNAL: a helper that has died makes the write fail, not this program.
bool ReaderProcess::Write(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t sent = send(socket_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) {
      closed_ = true;
      return false;
    }
    done += static_cast<size_t>(sent);
  }
  return true;
}

std::string ReaderProcess::Failure() {
  if (reaped_) return "it has ended";
  if (silent_) {
    kill(pid_, SIGKILL);
    Reap();
    return "no answer within " + Duration(idleTimeoutMs_);
  }
  if (stopped_ || !closed_ || SentUnasked()) {
    kill(pid_, SIGKILL);
    Reap();
    return stopped_ ? "stopped on request" : "it sent data that makes no sense";
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
  return "it closed its output but did not end";
}

// Whether bytes wait that were never asked for: a program that writes before it has read its
// request and ends (not a reader at all) makes the request's write fail, and its output, not its
// exit, says what is wrong.
bool ReaderProcess::SentUnasked() const {
  char byte = 0;
  return position_ == end_ && recv(socket_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
}

// Waits in short slices so that a stop request ends the wait at once.
bool ReaderProcess::Refill(const StopFlag* stop) {
  pollfd wait{socket_, POLLIN, 0};
  int waited = 0;
  int ready = 0;
  while (ready <= 0) {
    if (stop != nullptr && stop->load()) {
      stopped_ = true;
      return false;
    }
    if (waited >= idleTimeoutMs_) {
      silent_ = true;
      return false;
    }
    const int slice = std::min(kStopTestMs, idleTimeoutMs_ - waited);
    ready = poll(&wait, 1, slice);
    if (ready < 0 && errno != EINTR) {
      closed_ = true;
      return false;
    }
    if (ready == 0) waited += slice;
  }
  ssize_t got;
  while ((got = read(socket_, buffer_.data(), buffer_.size())) < 0 && errno == EINTR) {
  }
  if (got <= 0) {
    closed_ = true;
    return false;
  }
  position_ = 0;
  end_ = static_cast<size_t>(got);
  return true;
}

bool ReaderProcess::Read(void* into, size_t size, const StopFlag* stop) {
  auto* out = static_cast<char*>(into);
  while (size > 0) {
    if (position_ == end_ && !Refill(stop)) return false;
    const size_t chunk = std::min(size, end_ - position_);
    std::memcpy(out, buffer_.data() + position_, chunk);
    position_ += chunk;
    out += chunk;
    size -= chunk;
  }
  return true;
}

}  // namespace tw
