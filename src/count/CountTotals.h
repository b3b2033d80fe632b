#pragma once

#include <cstdint>

namespace tw {

// Run totals shown in the column headers and the report. 64-bit, so a large job never wraps.
struct CountTotals {
  int64_t words = 0;
  int64_t charsWithSpaces = 0;
  int64_t chars = 0;
  double amount = 0.0;

  void Reset() { *this = CountTotals{}; }
};

// Words, characters other than spaces, and spaces of one file (or one text).
struct FileCounts {
  int64_t words = 0;
  int64_t characters = 0;
  int64_t spaces = 0;

  FileCounts& operator+=(const FileCounts& other) {
    words += other.words;
    characters += other.characters;
    spaces += other.spaces;
    return *this;
  }
  bool operator==(const FileCounts&) const = default;
};

}  // namespace tw
