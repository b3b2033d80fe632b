// tallywright-reader: reads documents for a program that must survive whatever a document library
// does with a damaged or hostile file. It takes one request at a time on its standard input (a
// socket) and answers on its standard output in the reader wire format; it limits itself before
// it reads anything, and gives each document its own processor time.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "formats/isolation/ReaderCommand.h"
#include "formats/isolation/ReaderWire.h"

#if defined(__SANITIZE_ADDRESS__)
#define TW_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_ADDRESS_SANITIZER 1
#endif
#endif

namespace tw {
namespace {

// Pieces are sent in batches of about this size, or after this long: fewer, larger writes wake the
// reading side less often, while slow pages still reach it well within its idle limit.
constexpr size_t kBatchBytes = 128 * 1024;
constexpr auto kBatchTime = std::chrono::milliseconds(200);

// A helper reads document after document of much the same size. Memory freed by one is kept for
// the next instead of going back to the system and being faulted in again page by page, which
// costs more than parsing a small document.
void KeepFreedMemory() {
  constexpr int kKeptBytes = 64 << 20;
  constexpr int kLargestFromHeap = 32 << 20;
  mallopt(M_TRIM_THRESHOLD, kKeptBytes);
  mallopt(M_MMAP_THRESHOLD, kLargestFromHeap);
}

void SetLimit(int resource, rlim_t soft, rlim_t hard) {
  const rlimit limit{soft, hard};
  setrlimit(resource, &limit);
}

void ApplyLimits(const ReaderCommand& command) {
  SetLimit(RLIMIT_CORE, 0, 0);  // a crash on a hostile file leaves no core behind
#ifndef TW_ADDRESS_SANITIZER
  // The address sanitizer reserves far more address space than any limit worth setting.
  SetLimit(RLIMIT_AS, command.addressSpaceBytes, command.addressSpaceBytes);
#else
  (void)command;
#endif
}

// The processor time limit counts the whole life of the process, so each document moves it on
// by its own share. At the soft limit the kernel sends SIGXCPU, which tells the reading side what
// happened; the hard limit stays where it was, so that the next document can move it again.
void GiveProcessorTime(unsigned long seconds) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const rlim_t used = static_cast<rlim_t>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + 1;
  rlimit limit{};
  getrlimit(RLIMIT_CPU, &limit);
  SetLimit(RLIMIT_CPU, std::min<rlim_t>(used + seconds, limit.rlim_max), limit.rlim_max);
}

bool WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Requests, read from standard input with a small buffer.
class RequestInput {
 public:
  bool Fill(void* into, size_t size) {
    auto* out = static_cast<char*>(into);
    while (size > 0) {
      if (position_ == end_ && !Refill()) return false;
      const size_t chunk = std::min(size, end_ - position_);
      std::memcpy(out, buffer_ + position_, chunk);
      position_ += chunk;
      out += chunk;
      size -= chunk;
    }
    return true;
  }

 private:
  bool Refill() {
    ssize_t got;
    while ((got = read(STDIN_FILENO, buffer_, sizeof buffer_)) < 0 && errno == EINTR) {
    }
    if (got <= 0) return false;
    position_ = 0;
    end_ = static_cast<size_t>(got);
    return true;
  }

  char buffer_[16 * 1024];
  size_t position_ = 0;
  size_t end_ = 0;
};

// The answer to one request, sent in batches as it grows. Once a write fails the reading side
// has gone, and the rest is dropped.
class AnswerSender {
 public:
  void Add(const std::string& frame) {
    batch_ += frame;
    const auto now = std::chrono::steady_clock::now();
    if (batch_.size() >= kBatchBytes || now - sent_ >= kBatchTime) Flush();
  }
  void Flush() {
    if (ok_ && !batch_.empty()) ok_ = WriteAll(batch_);
    batch_.clear();
    sent_ = std::chrono::steady_clock::now();
  }
  bool Ok() const { return ok_; }

 private:
  std::string batch_;
  std::chrono::steady_clock::time_point sent_ = std::chrono::steady_clock::now();
  bool ok_ = true;
};

#ifdef TW_READER_TEST_HOOKS
// Test builds only: the failures a test may ask for on one file, so that the reading side's
// defences can be shown to cost that file alone.
void FailOnPurpose(const std::string& path) {
  const char* variable = std::getenv(ReaderCommand::kFailureVariable);
  const std::string setting = variable ? variable : "";
  const size_t colon = setting.find(':');
  if (colon == std::string::npos) return;
  const std::string how = setting.substr(0, colon);
  const std::string name = setting.substr(colon + 1);
  if (path.size() < name.size() || path.compare(path.size() - name.size(), name.size(), name) != 0)
    return;
  // abort rather than a stray access: the address sanitizer turns the latter into an exit.
  if (how == "crash") std::abort();
  if (how == "hang") std::this_thread::sleep_for(std::chrono::hours(1));
  if (how == "spin") {
    std::atomic<unsigned long> spins{0};
    for (;;) spins.fetch_add(1, std::memory_order_relaxed);
  }
  if (how == "hog") {
    std::vector<char> huge(size_t{1} << 30, 1);  // more than a test's limit allows
    WriteAll(std::string(1, huge.back()));
  }
  if (how == "garbage") WriteAll(std::string(64, '\xFF'));
}
#else
void FailOnPurpose(const std::string&) {}
#endif

// Reads the document and sends it: pages of a PDF as they are read, the pieces of other formats
// once the reader is done, then the end, or the reader's error.
bool Answer(const ReaderWire::Request& request) {
  AnswerSender sender;
  const ReadResult result =
      ReadInThisProcess(request.format, request.path, nullptr,
                        [&sender](TextPiece&& page) { sender.Add(ReaderWire::EncodePiece(page)); });
  if (result.Ok()) {
    for (const TextPiece& piece : result.Doc().pieces) sender.Add(ReaderWire::EncodePiece(piece));
    sender.Add(ReaderWire::EncodeEnd({result.Doc().sectionCount, result.Doc().hasTitleMaster}));
  } else if (!result.WasStopped()) {
    sender.Add(ReaderWire::EncodeError(result.Error()));
  }
  sender.Flush();
  return sender.Ok();
}

void Serve(const ReaderCommand& command) {
  RequestInput input;
  const ReaderWire::ByteSource source = [&input](void* into, size_t size) {
    return input.Fill(into, size);
  };
  while (const std::optional<ReaderWire::Request> request = ReaderWire::ReadRequest(source)) {
    GiveProcessorTime(command.cpuSeconds);
    FailOnPurpose(request->path);
    if (!Answer(*request)) return;
  }
}

}  // namespace
}  // namespace tw

int main(int argc, char** argv) {
  // Only the standard streams are ours; whatever else was inherited stays untouched.
  close_range(3, ~0u, 0);
  const std::optional<tw::ReaderCommand> command =
      tw::ReaderCommand::Parse(std::vector<std::string>(argv + (argc > 0), argv + argc));
  if (!command) {
    std::fputs("usage: tallywright-reader --cpu-seconds=N --address-space=BYTES\n", stderr);
    return tw::ReaderCommand::kUsage;
  }
  tw::ApplyLimits(*command);
  tw::KeepFreedMemory();
  try {
    tw::Serve(*command);
  } catch (const std::bad_alloc&) {
    return tw::ReaderCommand::kOutOfMemory;
  }
  return tw::ReaderCommand::kDone;
}
