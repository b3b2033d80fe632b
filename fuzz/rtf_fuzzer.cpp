// Feeds arbitrary bytes to the RTF reader: it must give a document or an RtfError, never crash,
// hang or grow without bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/word/rtf/RtfParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    tw::RtfParser parser;
    parser.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const tw::RtfError&) {
  }
  return 0;
}
