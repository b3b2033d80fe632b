#include "counting/Utf8BlockScan.h"

#include <algorithm>
#include <optional>

namespace tw {
namespace {

constexpr uint8_t kUniform = 0x80, kOpensWord = 0x40, kIdeograph = 0x20;

// The code points a lead byte's sequences encode; none for the leads whose second byte is
// restricted (0xE0, 0xED) or that are never valid (0xC0, 0xC1).
bool LeadRange(uint8_t lead, char32_t& first, char32_t& last) {
  if (lead >= 0xC2 && lead <= 0xDF) {
    first = static_cast<char32_t>(lead & 0x1F) << 6;
    last = first + 0x3F;
    return true;
  }
  if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED) {
    first = static_cast<char32_t>(lead & 0x0F) << 12;
    last = first + 0xFFF;
    return true;
  }
  return false;
}

// The class all of first..last share, or nothing.
std::optional<CharClass> SharedClass(const CharClass* classes, char32_t first, char32_t last) {
  for (char32_t cp = first; cp <= last; ++cp) {
    if (classes[cp] != classes[first]) return std::nullopt;
  }
  return classes[first];
}

uint8_t EntryOf(CharClass shared, bool extraSymbolsAsWords) {
  switch (shared) {
    case CharClass::WordForming:
      return kUniform | kOpensWord;
    case CharClass::ExtraSymbol:
      return extraSymbolsAsWords ? kUniform | kOpensWord : kUniform;
    case CharClass::Ideograph:
      return kUniform | kIdeograph;
    default:
      return 0;  // spaces, blanks and ignored characters are left to the decoder
  }
}

// For the 64 stretches of 64 characters a three-byte lead spans: the one whose classes differ
// where all the others share `shared`, as its second byte; 0 when there is no such one.
uint8_t SoleException(const CharClass* classes, char32_t first, CharClass& shared) {
  std::array<std::optional<CharClass>, 64> stretches;
  for (char32_t s = 0; s < 64; ++s) {
    stretches[s] = SharedClass(classes, first + (s << 6), first + (s << 6) + 63);
  }
  for (size_t exception = 0; exception < stretches.size(); ++exception) {
    const std::optional<CharClass> rest = stretches[exception == 0 ? 1 : 0];
    const bool othersShare =
        rest && std::all_of(stretches.begin(), stretches.end(), [&](const auto& stretch) {
          return &stretch == &stretches[exception] || stretch == rest;
        });
    if (othersShare) {
      shared = *rest;
      return static_cast<uint8_t>(0x80 | exception);
    }
  }
  return 0;
}

void FillEntry(Utf8LeadTables& tables, uint8_t lead, bool extraSymbolsAsWords) {
  char32_t first = 0, last = 0;
  if (!LeadRange(lead, first, last)) return;
  const CharClass* classes = BasicPlaneClasses();
  uint8_t& entry = tables.leads[lead - 0xC0];
  if (const std::optional<CharClass> shared = SharedClass(classes, first, last)) {
    entry = EntryOf(*shared, extraSymbolsAsWords);
    return;
  }
  CharClass shared{};
  const uint8_t exception = lead >= 0xE0 ? SoleException(classes, first, shared) : 0;
  if (exception == 0) return;
  entry = EntryOf(shared, extraSymbolsAsWords);
  if (entry != 0) tables.exceptions[lead & 0x0F] = exception;
}

Utf8LeadTables BuildTables(bool extraSymbolsAsWords) {
  Utf8LeadTables tables;
  for (size_t i = 0; i < tables.leads.size(); ++i) {
    FillEntry(tables, static_cast<uint8_t>(0xC0 + i), extraSymbolsAsWords);
  }
  tables.classes = BasicPlaneClasses();
  return tables;
}

}  // namespace

Utf8BlockScan::Utf8BlockScan(bool extraSymbolsAsWords) : extra_(extraSymbolsAsWords) {
  static const Utf8LeadTables plain = BuildTables(false);
  static const Utf8LeadTables extra = BuildTables(true);
  tables_ = extraSymbolsAsWords ? &extra : &plain;
}

size_t Utf8BlockScan::Scan(const uint8_t* p, size_t n, Utf8BlockState& state) const {
  return ScanOn(WidestByteScanPath(), p, n, state);
}

size_t Utf8BlockScan::ScanOn(ByteScanPath path, const uint8_t* p, size_t n,
                             Utf8BlockState& state) const {
  switch (path) {
    case ByteScanPath::Avx512:
    case ByteScanPath::Avx2:
      return ScanUtf8BlocksAvx2(p, n, *tables_, extra_, state);
    case ByteScanPath::Sse2:
      return ScanUtf8BlocksSse2(p, n, *tables_, extra_, state);
    case ByteScanPath::Scalar:
      break;
  }
  return 0;
}

}  // namespace tw
