#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

#include "formats/ReadResult.h"

namespace tw {

// A reader helper program started with a socket as its standard input and output, so that a
// crash, a runaway loop or a memory blow-up inside a document library costs one file, never the
// program. Started with posix_spawn: the child runs nothing of this (possibly multi-threaded)
// process before exec.
class ReaderProcess {
 public:
  // Starts `program` with `arguments` (after its name). Throws ReaderError when it cannot be
  // started.
  ReaderProcess(const std::string& program, const std::vector<std::string>& arguments,
                int idleTimeoutMs);
  // Ends the helper if it still runs and reaps it.
  ~ReaderProcess();
  ReaderProcess(const ReaderProcess&) = delete;
  ReaderProcess& operator=(const ReaderProcess&) = delete;

  // Closes the socket and ends the helper without waiting for it to go; the destructor reaps it.
  // Ending several helpers this way before destroying any lets them wind down side by side.
  void End();

  // Sends `bytes` to the helper; false when it has gone.
  bool Write(const std::string& bytes);
  // Fills `size` bytes from the helper. False when it has ended, fails, stays silent longer than
  // the idle limit, or `stop` is set while it is waited for.
  bool Read(void* into, size_t size, const StopFlag* stop);
  // Whether a read gave up because of the stop request.
  bool WasStopped() const { return stopped_; }

  // Why the helper stopped delivering, once Read has failed or what it delivered made no sense:
  // ends and reaps it, and says how it went ("crashed with SIGSEGV (Segmentation fault)", "out of
  // memory", "no answer within 30 s", ...).
  std::string Failure();

 private:
  bool Refill(const StopFlag* stop);
  void Reap();
  bool SentUnasked() const;

  pid_t pid_ = -1;
  int socket_ = -1;
  int idleTimeoutMs_;
  bool silent_ = false;   // a read waited out the idle limit
  bool closed_ = false;   // a read found the output closed (or failed)
  bool stopped_ = false;  // a read gave up on a stop request
  bool reaped_ = false;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
};

}  // namespace tw
