#pragma once

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "counting/CountOptions.h"
#include "counting/CountTotals.h"
#include "counting/FileCountResult.h"
#include "counting/FileTypes.h"
#include "counting/Pricing.h"
#include "formats/isolation/DocumentReader.h"

namespace tw {

// One file of a count job: its row in the count list, its path and the rate its row prices with.
struct JobFile {
  int row = 0;
  std::string path;
  double rate = 0.0;
};

// A snapshot of everything a count needs, taken when the user asks for it.
struct CountJobInput {
  std::vector<JobFile> files;  // in count-list order
  CountOptions options;
  PricingMode pricing = PricingMode::Words;
  // Reads the documents (text and HTML are always scanned here); none reads in this process.
  DocumentReader* reader = nullptr;
  // How many files of a batch are counted at once; their results still come in batch order.
  int jobs = 1;
};

// What a count job reports, in order, from the thread it runs on. Implementations never block
// the job on a user: the window forwards each call as a queued signal.
class CountJobObserver {
 public:
  virtual ~CountJobObserver() = default;
  // File `number` of `total` (1-based, in run order) is being counted.
  virtual void FileStarted(int row, const std::string& path, int number, int total) = 0;
  // The file was counted and priced; `totals` are the run's totals with it.
  virtual void FileCounted(int row, const FileCounts& counts, double amount,
                           const CountTotals& totals) = 0;
  // The file could not be counted; `message` is what the user is told. Its row shows no counts
  // and no amount, and the message says why.
  virtual void FileFailed(int row, const std::string& message) = 0;
  // A batch of one counter kind begins or ends (the window switches its count controls).
  virtual void BatchStarted() {}
  virtual void BatchEnded() {}
  // The run has ended; `stopped` when a stop or cancel request cut it short.
  virtual void Finished(bool stopped, const CountTotals& totals) = 0;
};

// "Count Statistic" as a job: sorts the files into batches by type, runs the text, Word,
// PowerPoint, HTML and PDF batches in that order and reports each file. Runs on any thread;
// the requests below are safe from any thread.
class CountJob {
 public:
  explicit CountJob(CountJobInput input) : input_(std::move(input)) {}

  void Run(CountJobObserver& observer);

  // Ends the batch being counted at its next test point (before each file; before each shape or
  // page inside presentations and PDF files); the run goes on with the next batch.
  void RequestStop() { stopBatch_.store(true); }
  // Ends the whole run at the next test point.
  void Cancel() {
    cancelled_.store(true);
    stopBatch_.store(true);
  }
  // Whether a batch is being counted now.
  bool IsBusy() const { return busy_.load(); }

 private:
  struct RunState;
  void RunBatch(CounterKind kind, const std::vector<const JobFile*>& batch, RunState& run);
  void ReportFile(const JobFile& file, const FileCountResult& result, RunState& run);

  CountJobInput input_;
  std::atomic<bool> stopBatch_{false};
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> busy_{false};
};

}  // namespace tw
