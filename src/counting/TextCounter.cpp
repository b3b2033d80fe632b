#include "counting/TextCounter.h"

#include "counting/TextFileScan.h"

namespace tw {

ReadStatus TextCounter::ScanFile(const std::string& path, FileCounts& counts) {
  return ScanTextFile(path, TextRules{extraSymbolsAsWords_, LegacyByteRules()}, counts);
}

}  // namespace tw
