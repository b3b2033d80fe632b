#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "counting/CountTotals.h"
#include "counting/TextScanBytes.h"
#include "text/CharacterClass.h"

namespace tw {

// What the block scan knows of lead bytes 0xC0-0xEF, in that order: for a lead whose sequences
// all encode characters of one class the word scan counts (a word-forming character, an extra
// symbol or an ideograph), bit 0x80, with 0x40 when that class opens a word and 0x20 when it is
// an ideograph. The other leads' characters are looked up one by one in `classes`. A three-byte
// lead whose characters all share a class but those of one second byte (0xE4: Han, but for the
// hexagram symbols under 0xB7) has that class's entry and the second byte in `exceptions`, by
// its low half; the characters under that byte are looked up.
struct Utf8LeadTables {
  std::array<uint8_t, 48> leads{};
  std::array<uint8_t, 16> exceptions{};
  const CharClass* classes = nullptr;
};

// The state of the plain-text word scan a block scan carries on from and hands back.
struct Utf8BlockState {
  FileCounts counts;
  bool inWord = false;
  bool sawMultiByte = false;
};

// The plain-text word scan of UTF-8 a window of 32 bytes at a time, for windows that hold only
// ASCII and well-formed two- and three-byte sequences of characters other than ignored ones;
// whatever else a window holds (a four-byte sequence, an invalid byte, a format character) stops
// the scan there, for the character-by-character decoder to go on. Sequences whose lead byte
// alone decides their class (Cyrillic, Greek, most Han) cost nothing one by one. p must stand at
// the start of a character and p[n] need not be readable. Returns how many bytes were counted,
// always whole characters; counts as the decoder feeding each character to the word scan would.
class Utf8BlockScan {
 public:
  explicit Utf8BlockScan(bool extraSymbolsAsWords);
  // On the widest vector unit the processor has.
  size_t Scan(const uint8_t* p, size_t n, Utf8BlockState& state) const;
  // On the given one, which must be available (ByteScanPathAvailable); the scalar path counts
  // nothing, leaving every character to the decoder.
  size_t ScanOn(ByteScanPath path, const uint8_t* p, size_t n, Utf8BlockState& state) const;

 private:
  bool extra_;
  const Utf8LeadTables* tables_;
};

// The kernels of Utf8BlockScan::ScanOn.
size_t ScanUtf8BlocksSse2(const uint8_t* p, size_t n, const Utf8LeadTables& tables, bool extra,
                          Utf8BlockState& state);
size_t ScanUtf8BlocksAvx2(const uint8_t* p, size_t n, const Utf8LeadTables& tables, bool extra,
                          Utf8BlockState& state);

}  // namespace tw
