#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tw {

// A helper program started with its standard output into a pipe, so that a crash, a runaway loop
// or a memory blow-up inside a document library costs one file, never the program. Started with
// posix_spawn: the child runs nothing of this (possibly multi-threaded) process before exec.
class PdfHelperProcess {
 public:
  // Starts `program` with `arguments` (after its name). Throws ReaderError when it cannot be
  // started.
  PdfHelperProcess(const std::string& program, const std::vector<std::string>& arguments,
                   int idleTimeoutMs);
  // Ends the helper if it still runs and reaps it.
  ~PdfHelperProcess();
  PdfHelperProcess(const PdfHelperProcess&) = delete;
  PdfHelperProcess& operator=(const PdfHelperProcess&) = delete;

  // Fills `size` bytes from the helper. False when it has ended, fails, or stays silent longer
  // than the idle limit.
  bool Read(void* into, size_t size);

  // Why the helper stopped delivering, once Read has failed or what it delivered made no sense:
  // ends and reaps it, and says how it went ("crashed (Segmentation fault)", "used up its
  // processor time", ...).
  std::string Failure();

 private:
  bool Refill();
  void Reap();

  pid_t pid_ = -1;
  int readFd_ = -1;
  int idleTimeoutMs_;
  bool silent_ = false;  // a read waited out the idle limit
  bool closed_ = false;  // a read found the output closed (or failed)
  bool reaped_ = false;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
};

}  // namespace tw
