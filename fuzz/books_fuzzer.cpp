// Feeds arbitrary bytes to the EPUB and IDML readers as a file: every input must end in a
// document or in a reader error.
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "formats/epub/EpubReader.h"
#include "formats/idml/IdmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tw::fuzz::FuzzFile file("books_fuzzer");
  if (!file.Write(data, size)) return 0;
  (void)tw::ReadEpub(file.Path());
  (void)tw::ReadIdml(file.Path());
  return 0;
}
