#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "formats/isolation/DocumentReader.h"
#include "formats/isolation/ReaderLimits.h"

namespace tw {

class ReaderProcess;

// Reads documents in reader helper processes, so that whatever a document does to a reader (a
// crash, a hang, a memory blow-up) costs that document only: its error says "the reader stopped:
// ..." and why. Helpers are kept for the next document; one that failed is ended and a new one
// takes its place. Safe to use from several threads at once: no more helpers run than are kept,
// and a thread that finds them all busy waits for one, so a thread counting the document it was
// handed leaves its helper to the next thread's document.
class ReaderPool : public DocumentReader {
 public:
  // Keeps up to `kept` idle helpers between documents.
  explicit ReaderPool(int kept, ReaderLimits limits = {});
  ~ReaderPool() override;
  ReaderPool(const ReaderPool&) = delete;
  ReaderPool& operator=(const ReaderPool&) = delete;

  ReadResult Read(DocumentFormat format, const std::string& path, const StopFlag* stop) override;
  int SpareReadingThreads() const override { return 1; }

  // How many helpers have been started so far.
  int HelpersStarted() const { return started_.load(); }

 private:
  class Lease;

  // A kept helper, or a new one where none is kept and fewer than kept run (`fresh`: always a new
  // one, in place of a kept one that died). Waits while all run; nothing when `stop` ends the
  // wait.
  std::unique_ptr<ReaderProcess> Take(bool fresh, const StopFlag* stop);
  // Keeps a helper that may read the next document, or ends it.
  void GiveBack(std::unique_ptr<ReaderProcess> helper, bool reusable);
  // Takes the helper's answer to the request it was sent.
  static ReadResult Receive(Lease& helper, const std::string& path, const StopFlag* stop);

  const size_t kept_;
  const ReaderLimits limits_;
  std::atomic<int> started_{0};
  std::mutex mutex_;
  std::condition_variable helperFree_;
  std::string program_;  // found on first use, under mutex_
  std::vector<std::unique_ptr<ReaderProcess>> idle_;
  size_t running_ = 0;  // helpers started and not ended, under mutex_
};

}  // namespace tw
