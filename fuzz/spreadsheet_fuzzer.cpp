// Feeds arbitrary bytes to the spreadsheet reader as a file: every input must end in a document
// or in a reader error, never in a crash, a hang or a leak.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "formats/spreadsheet/SpreadsheetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tw::fuzz::FuzzFile file("spreadsheet_fuzzer");
  if (!file.Write(data, size)) return 0;
  (void)tw::ReadSpreadsheet(file.Path());
  return 0;
}
