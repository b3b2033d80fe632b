#pragma once

#include <cstdint>

// The byte table's classes looked up by half-bytes, sixteen entries that a vector byte shuffle
// holds in each 128-bit lane.
namespace tw {

// A byte forms words where the classes of its high and low half share a bit: digits (high 3,
// low 0-9), letters (high 4 and 6, low 1-F; high 5 and 7, low 0-A), the hyphen (high 2, low D)
// and bytes from 0xC0 (high C-F, any low half).
inline constexpr int8_t kWordFormingByHighHalf[16] = {0, 0, 0x08, 0x01, 0x02, 0x04, 0x02, 0x04,
                                                      0, 0, 0,    0,    0x10, 0x10, 0x10, 0x10};
inline constexpr int8_t kWordFormingByLowHalf[16] = {
    0x15, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x17, 0x16, 0x12, 0x12, 0x1A, 0x12, 0x12};
// A space or tab is the byte its low half looks up: 0x20 under 0, 0x09 under 9, and under every
// other half 0x80, whose own low half is 0 (and a byte from 0x80 looks up 0).
inline constexpr int8_t kBlankByLowHalf[16] = {0x20, -128, -128, -128, -128, -128, -128, -128,
                                               -128, 0x09, -128, -128, -128, -128, -128, -128};

}  // namespace tw
