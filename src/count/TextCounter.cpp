#include "count/TextCounter.h"

#include "count/TextScan.h"

namespace tw {

FileCounts TextCounter::Scan(std::span<const uint8_t> bytes) {
  return ScanPlainText(bytes, TextRules{extraSymbolsAsWords_, LegacyByteRules()});
}

}  // namespace tw
