// Feeds arbitrary bytes to the XLIFF reader (both languages) and the XML text reader as a file:
// every input must end in a document or in a reader error.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "formats/xliff/XliffReader.h"
#include "formats/xml/XmlTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tw::fuzz::FuzzFile file("xliff_fuzzer");
  if (!file.Write(data, size)) return 0;
  (void)tw::ReadXliff(file.Path(), tw::XliffSide::Source);
  (void)tw::ReadXliff(file.Path(), tw::XliffSide::Target);
  (void)tw::ReadXmlText(file.Path());
  return 0;
}
