#include <gtest/gtest.h>

#include <random>
#include <unordered_set>

#include "counting/SeenHashes.h"

namespace tw {
namespace {

// Against the standard set, over enough hashes to grow the table many times; the values are
// drawn from a small range so that repeats are frequent, and some share their top or low bits.
TEST(SeenHashes, TellsNewHashesFromSeenOnesLikeAStandardSet) {
  SeenHashes seen;
  std::unordered_set<uint64_t> reference;
  std::mt19937_64 random(7);
  std::uniform_int_distribution<uint64_t> value(0, 150000);
  for (int i = 0; i < 400000; ++i) {
    uint64_t hash = value(random);
    if (i % 3 == 1) hash <<= 40;  // only the top bits differ
    ASSERT_EQ(seen.Insert(hash), reference.insert(hash).second) << hash;
  }
  EXPECT_EQ(seen.Size(), reference.size());
}

TEST(SeenHashes, ZeroIsAHashLikeAnyOther) {
  SeenHashes seen;
  EXPECT_TRUE(seen.Insert(0));
  EXPECT_FALSE(seen.Insert(0));
  EXPECT_TRUE(seen.Insert(1));
  EXPECT_FALSE(seen.Insert(1));
  EXPECT_EQ(seen.Size(), 2u);
}

}  // namespace
}  // namespace tw
