// Feeds arbitrary bytes to the .ppt record reader: the first two bytes give the length of the
// "Current User" stream, which follows; the rest is the "PowerPoint Document" stream. Every input
// must end in a document or a ContainerError, never in a crash, a hang or a leak.
#include <algorithm>
#include <cstdint>
#include <span>

#include "formats/container/ContainerError.h"
#include "formats/presentation/PptReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::span<const uint8_t> input(data, size);
  const size_t userLength = std::min<size_t>(input[0] | (input[1] << 8), size - 2);
  try {
    const tw::Document document =
        tw::powerpoint::ReadPptStreams(input.subspan(2, userLength), input.subspan(2 + userLength));
    size_t units = 0;
    for (const tw::TextPiece& piece : document.pieces) units += piece.text.size();
    (void)units;
  } catch (const tw::ContainerError&) {
    // A damaged stream is an expected outcome.
  }
  return 0;
}
