#pragma once

#include <cstdint>
#include <limits>

namespace tw {

// a + b, held at the int64 bounds instead of wrapping.
inline int64_t SaturatingAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// Words, characters other than spaces, and spaces of one file (or one text).
struct FileCounts {
  int64_t words = 0;
  int64_t characters = 0;
  int64_t spaces = 0;

  int64_t CharactersWithSpaces() const { return SaturatingAdd(characters, spaces); }

  FileCounts& operator+=(const FileCounts& other) {
    words = SaturatingAdd(words, other.words);
    characters = SaturatingAdd(characters, other.characters);
    spaces = SaturatingAdd(spaces, other.spaces);
    return *this;
  }
  bool operator==(const FileCounts&) const = default;
};

// Run totals shown in the column headers and the report. 64-bit and saturating, so a large job
// never wraps.
struct CountTotals {
  int64_t words = 0;
  int64_t charsWithSpaces = 0;
  int64_t chars = 0;
  double amount = 0.0;

  void Add(const FileCounts& counts, double rowAmount) {
    words = SaturatingAdd(words, counts.words);
    charsWithSpaces = SaturatingAdd(charsWithSpaces, counts.CharactersWithSpaces());
    chars = SaturatingAdd(chars, counts.characters);
    amount += rowAmount;
  }
  void Reset() { *this = CountTotals{}; }
  bool operator==(const CountTotals&) const = default;
};

}  // namespace tw
