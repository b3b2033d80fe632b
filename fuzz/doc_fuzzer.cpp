// Feeds arbitrary streams to the .doc reader. The input is a 32-bit little-endian length, that
// many bytes of WordDocument stream, then the table stream. The reader must give a document or a
// DocError, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/word/doc/DocStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const size_t documentSize =
      data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<size_t>(data[3]) << 24);
  const std::span<const uint8_t> rest(data + 4, size - 4);
  if (documentSize > rest.size()) return 0;
  try {
    tw::ReadDocStreams(rest.first(documentSize), rest.subspan(documentSize));
  } catch (const tw::DocError&) {
  }
  return 0;
}
