#include "counting/OrderedBatch.h"

namespace tw {

OrderedBatch::OrderedBatch(size_t files, int threads, CountOne countOne,
                           const std::atomic<bool>& stop, bool takerCounts)
    : countOne_(std::move(countOne)),
      takerCounts_(takerCounts),
      stop_(stop),
      results_(files),
      failures_(files),
      skipped_(files, 0) {
  // A taker that counts is one of the `threads`.
  const int workers = takerCounts ? std::max(threads - 1, 1) : std::max(threads, 1);
  const size_t count = std::min(files, static_cast<size_t>(workers));
  threads_.reserve(count);
  for (size_t i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
}

OrderedBatch::~OrderedBatch() {
  givenUp_.store(true);
  for (std::thread& thread : threads_) thread.join();
}

bool OrderedBatch::CountNext() {
  if (givenUp_.load() || stop_.load()) return false;
  const size_t index = next_.fetch_add(1);
  if (index >= results_.size()) return false;
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
  return true;
}

void OrderedBatch::Work() {
  while (CountNext()) {
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
  const auto there = [&] {
    return results_[index].has_value() || failures_[index] != nullptr || skipped_[index] != 0;
  };
  // Rather than wait, count the next file nobody took yet: small files then pass from thread to
  // thread without a wake-up each.
  while (takerCounts_ && !there() && next_.load() < results_.size()) {
    lock.unlock();
    const bool counted = CountNext();
    lock.lock();
    if (!counted) break;
  }
  done_.wait(lock, there);
  if (failures_[index]) std::rethrow_exception(failures_[index]);
  return std::move(results_[index]);
}

}  // namespace tw
