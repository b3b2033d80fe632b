#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace tw {

// A set of 64-bit hashes in one open-addressed table. A run may see hundreds of thousands of
// segments; a node-based set would cost an allocation and a cache miss for each.
class SeenHashes {
 public:
  // Adds a hash; true when it was not in the set before.
  bool Insert(uint64_t hash);
  size_t Size() const { return size_; }

 private:
  struct Free {
    void operator()(uint64_t* slots) const { std::free(slots); }
  };
  using Slots = std::unique_ptr<uint64_t[], Free>;

  size_t SlotOf(uint64_t hash) const;
  void Grow();

  // Zeroed by calloc, which takes fresh pages from the system as they are: a large table is not
  // written over before its first use. 0 marks an empty slot, so the hash 0 is kept apart.
  Slots slots_;
  size_t capacity_ = 0;
  size_t size_ = 0;
  int shift_ = 64;
  bool zeroSeen_ = false;
};

}  // namespace tw
