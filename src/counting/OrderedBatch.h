#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "counting/FileCountResult.h"

namespace tw {

// Counts the files of one batch on several threads at once and hands their results back in
// batch order: file i's result is there to take once it is counted, whichever thread counted it
// and whatever came back before it. Threads stop taking files once `stop` is set or the batch is
// given up (by the destructor, which waits for the files being counted).
class OrderedBatch {
 public:
  using CountOne = std::function<FileCountResult(size_t index)>;

  // With `takerCounts`, the thread that takes the results counts files too while it waits, which
  // spares a wake-up per file; only for files that take a short, bounded time (plain text read
  // in this process), as a result that is due waits while the taker counts.
  OrderedBatch(size_t files, int threads, CountOne countOne, const std::atomic<bool>& stop,
               bool takerCounts = false);
  ~OrderedBatch();
  OrderedBatch(const OrderedBatch&) = delete;
  OrderedBatch& operator=(const OrderedBatch&) = delete;

  // Waits for file `index` and hands its result over; rethrows what counting it threw. Nothing
  // when no thread started the file before the stop: the caller counts it if it still wants it.
  std::optional<FileCountResult> Take(size_t index);

 private:
  void Work();
  // Counts the next file no thread took yet; false when there is none or counting stopped.
  bool CountNext();

  const CountOne countOne_;
  const bool takerCounts_;
  const std::atomic<bool>& stop_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> givenUp_{false};
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<std::optional<FileCountResult>> results_;  // under mutex_
  std::vector<std::exception_ptr> failures_;             // under mutex_
  std::vector<char> skipped_;                            // under mutex_: never started
  std::vector<std::thread> threads_;
};

}  // namespace tw
