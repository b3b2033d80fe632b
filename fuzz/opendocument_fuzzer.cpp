// Feeds arbitrary bytes to the word-processing and presentation readers as one file, which
// reach the OpenDocument readers for packages and flat XML: every input must end in a document
// or in a reader error, never in a crash, a hang or a leak.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "formats/presentation/PresentationReader.h"
#include "formats/word/WordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tw::fuzz::FuzzFile file("opendocument_fuzzer");
  if (!file.Write(data, size)) return 0;
  (void)tw::ReadWordDocument(file.Path());
  (void)tw::ReadPresentation(file.Path());
  return 0;
}
