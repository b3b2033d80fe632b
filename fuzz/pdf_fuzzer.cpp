// Feeds arbitrary bytes to the PDF reading in-process: the document is read with poppler as the
// helper program reads it, its pages go through the wire format and back, and the same
// bytes are also taken as a helper's (hostile) reply. Every input must end in words or in a
// rejection, never in a crash, a hang or a leak.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "counting/TextScan.h"
#include "formats/pdf/PdfTextExtractor.h"
#include "formats/pdf/PdfWireFormat.h"

namespace {

// Enough pages to reach every kind of page object without letting one input run for long.
constexpr int kMaxPages = 16;

tw::PdfWireFormat::ByteSource Over(std::span<const char> bytes, size_t& position) {
  return [bytes, &position](void* into, size_t size) {
    if (bytes.size() - position < size) return false;
    std::memcpy(into, bytes.data() + position, size);
    position += size;
    return true;
  };
}

void ReadDocument(std::span<const char> bytes) {
  const std::optional<tw::PdfTextExtractor> document = tw::PdfTextExtractor::LoadData(bytes);
  if (!document) return;
  const int pages = std::min(document->PageCount(), kMaxPages);
  for (int page = 0; page < pages; ++page) {
    const std::string wire = tw::PdfWireFormat::EncodePage(document->PageText(page));
    size_t position = 0;
    std::optional<std::u16string> text = tw::PdfWireFormat::ReadPage(Over(wire, position));
    if (!text) continue;
    tw::ScanUtf16Text(*text, {.extraSymbolsAsWords = true, .legacyByteRules = false});
  }
}

void ReadAsHelperReply(std::span<const char> bytes) {
  size_t position = 0;
  const auto source = Over(bytes, position);
  const std::optional<tw::PdfWireFormat::Header> header = tw::PdfWireFormat::ReadHeader(source);
  if (!header) return;
  for (int32_t page = 0; page < header->pageCount; ++page) {
    if (!tw::PdfWireFormat::ReadPage(source)) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tw::PdfTextExtractor::SilenceDiagnostics();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
  ReadDocument(bytes);
  ReadAsHelperReply(bytes);
  return 0;
}
