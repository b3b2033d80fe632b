#pragma once

#include <atomic>
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
// takes its place. Safe to use from several threads at once, one helper each.
class ReaderPool : public DocumentReader {
 public:
  // Keeps up to `kept` idle helpers between documents.
  explicit ReaderPool(int kept, ReaderLimits limits = {});
  ~ReaderPool() override;
  ReaderPool(const ReaderPool&) = delete;
  ReaderPool& operator=(const ReaderPool&) = delete;

  ReadResult Read(DocumentFormat format, const std::string& path, const StopFlag* stop) override;

  // How many helpers have been started so far.
  int HelpersStarted() const { return started_.load(); }

 private:
  std::unique_ptr<ReaderProcess> Take(bool fresh);
  void GiveBack(std::unique_ptr<ReaderProcess> helper);

  const size_t kept_;
  const ReaderLimits limits_;
  std::atomic<int> started_{0};
  std::mutex mutex_;
  std::string program_;  // found on first use, under mutex_
  std::vector<std::unique_ptr<ReaderProcess>> idle_;
};

}  // namespace tw
