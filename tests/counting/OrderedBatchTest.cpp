#include "counting/OrderedBatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace tw {
namespace {

// Every case holds whether the thread that takes the results counts files too or only waits.
class OrderedBatchTest : public ::testing::TestWithParam<bool> {};

// Early files take longest, so later ones finish first; each comes back at its own index.
// Each file is counted once, whichever thread takes it.
TEST_P(OrderedBatchTest, ResultsComeBackInBatchOrderWhateverFinishesFirst) {
  const std::atomic<bool> stop{false};
  constexpr size_t kFiles = 12;
  std::atomic<int> timesCounted[kFiles] = {};
  OrderedBatch batch(
      kFiles, 4,
      [&](size_t index) {
        timesCounted[index].fetch_add(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(2 * (kFiles - index)));
        return FileCountResult::Counted({static_cast<int64_t>(index), 0, 0});
      },
      stop, GetParam());
  for (size_t index = 0; index < kFiles; ++index) {
    const std::optional<FileCountResult> result = batch.Take(index);
    ASSERT_TRUE(result && result->status == FileCountResult::Status::Counted);
    EXPECT_EQ(result->counts.words, static_cast<int64_t>(index));
  }
  for (const auto& times : timesCounted) EXPECT_EQ(times.load(), 1);
}

TEST_P(OrderedBatchTest, AFailureComesBackAtItsFileAndTheOthersGoOn) {
  const std::atomic<bool> stop{false};
  OrderedBatch batch(
      3, 2,
      [](size_t index) {
        if (index == 1) throw std::runtime_error("boom");
        return FileCountResult::Counted({1, 1, 0});
      },
      stop, GetParam());
  EXPECT_EQ(batch.Take(0)->status, FileCountResult::Status::Counted);
  EXPECT_THROW(batch.Take(1), std::runtime_error);
  EXPECT_EQ(batch.Take(2)->status, FileCountResult::Status::Counted);
}

// Once stop is set no file is started any more; those never started come back as nothing.
TEST_P(OrderedBatchTest, AStopLeavesTheRestUncounted) {
  std::atomic<bool> stop{false};
  std::atomic<int> counted{0};
  OrderedBatch batch(
      50, 2,
      [&](size_t) {
        stop.store(true);
        counted.fetch_add(1);
        return FileCountResult::Counted({1, 1, 0});
      },
      stop, GetParam());
  EXPECT_FALSE(batch.Take(49));
  EXPECT_LE(counted.load(), 2);
}

INSTANTIATE_TEST_SUITE_P(Taker, OrderedBatchTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "counts" : "waits"; });

}  // namespace
}  // namespace tw
