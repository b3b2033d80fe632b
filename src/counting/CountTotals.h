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

// a * b for non-negative a and b, held at the int64 maximum instead of wrapping.
inline int64_t SaturatingMultiply(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product)) return product;
  return std::numeric_limits<int64_t>::max();
}

// Words, characters other than spaces, and spaces of one file (or one text).
struct FileCounts {
  int64_t words = 0;
  int64_t characters = 0;
  int64_t spaces = 0;
  // Words in segments seen before (earlier in the file or in an earlier file of the run); 0
  // unless repetitions are looked for.
  int64_t repeatedWords = 0;

  int64_t CharactersWithSpaces() const { return SaturatingAdd(characters, spaces); }

  FileCounts& operator+=(const FileCounts& other) {
    words = SaturatingAdd(words, other.words);
    characters = SaturatingAdd(characters, other.characters);
    spaces = SaturatingAdd(spaces, other.spaces);
    repeatedWords = SaturatingAdd(repeatedWords, other.repeatedWords);
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
  // Hundredths of the lines, pages or weighted words priced, summed row by row as the rows show
  // them; 0 when a count is priced.
  int64_t pricedUnitHundredths = 0;

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
