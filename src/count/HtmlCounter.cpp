#include "count/HtmlCounter.h"

#include "count/TextScan.h"

namespace tw {

FileCounts HtmlCounter::Scan(std::span<const uint8_t> bytes) {
  return ScanHtml(bytes, LegacyByteRules());
}

}  // namespace tw
