#include "counting/SeenHashes.h"

#include <new>
#include <utility>

namespace tw {
namespace {

constexpr int kFirstBits = 10;

}  // namespace

bool SeenHashes::Insert(uint64_t hash) {
  if (hash == 0) {
    const bool added = !zeroSeen_;
    zeroSeen_ = true;
    size_ += added ? 1 : 0;
    return added;
  }
  // At most three quarters full: probes stay short, and the table small enough that touching
  // its pages for the first time costs little.
  if (4 * (size_ + 1) > 3 * capacity_) Grow();
  const size_t mask = capacity_ - 1;
  for (size_t slot = SlotOf(hash);; slot = (slot + 1) & mask) {
    if (slots_[slot] == hash) return false;
    if (slots_[slot] == 0) {
      slots_[slot] = hash;
      ++size_;
      return true;
    }
  }
}

// The top bits of the hash times the golden ratio: the hashes handed in need not be well mixed
// in their low bits.
size_t SeenHashes::SlotOf(uint64_t hash) const {
  return static_cast<size_t>((hash * 0x9E3779B97F4A7C15ull) >> shift_);
}

void SeenHashes::Grow() {
  const int bits = capacity_ == 0 ? kFirstBits : 64 - shift_ + 1;
  const size_t capacity = size_t{1} << bits;
  Slots grown(static_cast<uint64_t*>(std::calloc(capacity, sizeof(uint64_t))));
  if (!grown) throw std::bad_alloc();
  const Slots old = std::exchange(slots_, std::move(grown));
  const size_t oldCapacity = capacity_;
  capacity_ = capacity;
  shift_ = 64 - bits;
  const size_t mask = capacity_ - 1;
  for (size_t i = 0; i < oldCapacity; ++i) {
    const uint64_t hash = old[i];
    if (hash == 0) continue;
    size_t slot = SlotOf(hash);
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = hash;
  }
}

}  // namespace tw
