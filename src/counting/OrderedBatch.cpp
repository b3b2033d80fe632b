#include "counting/OrderedBatch.h"

namespace tw {

OrderedBatch::OrderedBatch(size_t files, int threads, CountOne countOne,
                           const std::atomic<bool>& stop)
    : countOne_(std::move(countOne)),
      stop_(stop),
      results_(files),
      failures_(files),
      skipped_(files, 0) {
  const size_t count = std::min(files, static_cast<size_t>(std::max(threads, 1)));
  threads_.reserve(count);
  for (size_t i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
}

OrderedBatch::~OrderedBatch() {
  givenUp_.store(true);
  for (std::thread& thread : threads_) thread.join();
}

void OrderedBatch::Work() {
  for (;;) {
    if (givenUp_.load() || stop_.load()) break;
    const size_t index = next_.fetch_add(1);
    if (index >= results_.size()) break;
    std::optional<FileCountResult> result;
    std::exception_ptr failure;
    try {
      result = countOne_(index);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      const std::lock_guard lock(mutex_);
      results_[index] = std::move(result);
      failures_[index] = failure;
    }
    done_.notify_all();
  }
  // A file no thread will count any more is handed back as skipped, so no one waits for it.
  for (size_t index; (index = next_.fetch_add(1)) < results_.size();) {
    {
      const std::lock_guard lock(mutex_);
      skipped_[index] = 1;
    }
    done_.notify_all();
  }
}

std::optional<FileCountResult> OrderedBatch::Take(size_t index) {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [&] {
    return results_[index].has_value() || failures_[index] != nullptr || skipped_[index] != 0;
  });
  if (failures_[index]) std::rethrow_exception(failures_[index]);
  return std::move(results_[index]);
}

}  // namespace tw
