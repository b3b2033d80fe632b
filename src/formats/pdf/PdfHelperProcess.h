#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formats/pdf/PdfHelperLimits.h"

namespace tw {

// A child process that reads a document and writes what it finds to a pipe, so that a crash,
// a runaway loop or a memory blow-up inside the PDF library costs one file, never the program.
// The child runs only the given work and the library it calls, then leaves with _exit: it may
// have been forked from a process with other threads.
class PdfHelperProcess {
 public:
  // Receives the write end of the pipe; runs in the child.
  using ChildWork = std::function<void(int writeFd)>;

  // The running helper; null when no process or pipe could be made.
  static std::unique_ptr<PdfHelperProcess> Start(const ChildWork& work,
                                                 const PdfHelperLimits& limits);
  // Takes over a running helper and the read end of its pipe.
  PdfHelperProcess(pid_t pid, int readFd, int idleTimeoutMs);
  // Ends the helper if it still runs and reaps it.
  ~PdfHelperProcess();
  PdfHelperProcess(const PdfHelperProcess&) = delete;
  PdfHelperProcess& operator=(const PdfHelperProcess&) = delete;

  // Fills `size` bytes from the helper. False when it has ended, fails, or stays silent longer
  // than the idle limit.
  bool Read(void* into, size_t size);

  // Writes all of `bytes` to `fd`, for the child's side. False when the reader has gone.
  static bool WriteAll(int fd, const std::string& bytes);

 private:
  bool Refill();

  pid_t pid_;
  int readFd_;
  int idleTimeoutMs_;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
};

}  // namespace tw
