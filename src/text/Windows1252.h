#pragma once

#include <cstdint>

namespace tw {

// The character a byte of Windows-1252 text stands for: 0x80-0x9F are its own (the euro sign,
// curly quotes, dashes), every other byte is Latin-1. The five bytes it leaves unassigned stay
// the C1 controls of their value.
char32_t Windows1252CodePoint(uint8_t byte);

}  // namespace tw
