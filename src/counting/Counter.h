#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "counting/CountContext.h"
#include "counting/CountHost.h"
#include "counting/CounterKind.h"

namespace tw {

// A batch: the path of a file, then the decimal text of its 0-based row in the count list, for
// every file of one counter kind, in row order.
using Batch = std::vector<std::string>;

// What counting one file came to.
enum class FileOutcome {
  Counted,  // fill the file's row
  Skipped,  // reported to the user; the row keeps its cells, the batch goes on
  Stopped,  // a stop request was honoured inside the file; the row keeps its cells, the run ends
};

// The part every counter shares: the record (counts, batch, flags), Init, the Run skeleton,
// RequestStop, the result-row fill and the switching of the count controls.
class Counter {
 public:
  Counter(CounterKind kind, CountHost& host, CountContext& context);
  virtual ~Counter() = default;
  Counter(const Counter&) = delete;
  Counter& operator=(const Counter&) = delete;

  CounterKind Kind() const { return kind_; }

  // Copies the batch, takes the options this counter uses, zeroes the counts and clears the
  // stop request and the busy flag. Returns 0.
  int Init(const Batch& batch, const CountOptions& options);
  // Counts every file of the batch, or up to a stop request.
  void Run();
  // Asks the counter to stop at its next test point; safe from any thread.
  void RequestStop() { stopRequest_.store(true); }
  bool IsBusy() const { return busy_.load(); }

  // Where this counter's files stand among all files of the run, for progress texts.
  void SetProgressPlace(int filesBefore, int filesInRun);

 protected:
  // Takes the options this kind uses; legacy byte rules are kept by the base.
  virtual void TakeOptions(const CountOptions& options) { (void)options; }
  // Starts the automation server, showing the counter's message when it cannot be started.
  virtual bool StartServer() { return true; }
  virtual void ReleaseServer() {}
  // Whether the stop request is tested before each file (the PDF counter tests per page).
  virtual bool StopsBeforeEachFile() const { return true; }
  // Counts one file into Counts().
  virtual FileOutcome CountFile(const std::string& path) = 0;

  // Tests and clears the stop request.
  bool TakeStopRequest() { return stopRequest_.exchange(false); }
  FileCounts& Counts() { return counts_; }
  bool LegacyByteRules() const { return legacyByteRules_; }
  CountHost& Host() { return host_; }
  CountContext& Context() { return context_; }
  void ShowMessage(const std::string& text);

  void FillResultRow(int row);
  void EnableCountControls(bool enable);

 private:
  void EndRun();

  CounterKind kind_;
  CountHost& host_;
  CountContext& context_;
  Batch batch_;
  FileCounts counts_;
  bool legacyByteRules_ = false;
  std::atomic<bool> stopRequest_{false};
  std::atomic<bool> busy_{false};
  int filesBefore_ = 0;
  int filesInRun_ = 0;
};

}  // namespace tw
