#include "counting/HtmlCounter.h"

#include "counting/TextScan.h"

namespace tw {

ReadStatus HtmlCounter::ScanFile(const std::string& path, FileCounts& counts) {
  WholeFileReader reader;
  const ReadStatus status = reader.Read(path);
  if (status == ReadStatus::Ok) counts = ScanHtml(reader.Bytes(), LegacyByteRules());
  return status;
}

}  // namespace tw
