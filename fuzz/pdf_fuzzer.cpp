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
#include <variant>

#include "counting/TextScan.h"
#include "formats/isolation/ReaderWire.h"
#include "formats/pdf/PdfTextExtractor.h"

namespace {

// Enough pages to reach every kind of page object without letting one input run for long.
constexpr int kMaxPages = 16;

tw::ReaderWire::ByteSource Over(std::span<const char> bytes, size_t& position) {
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
    tw::TextPiece pagePiece;
    pagePiece.kind = tw::PieceKind::PdfPage;
    pagePiece.text = document->PageText(page);
    const std::string wire = tw::ReaderWire::EncodePiece(pagePiece);
    size_t position = 0;
    const auto frame = tw::ReaderWire::ReadFrame(Over(wire, position));
    if (!frame || !std::holds_alternative<tw::TextPiece>(*frame)) continue;
    tw::ScanUtf16Text(std::get<tw::TextPiece>(*frame).text,
                      {.extraSymbolsAsWords = true, .legacyByteRules = false});
  }
}

void ReadAsHelperReply(std::span<const char> bytes) {
  size_t position = 0;
  const auto source = Over(bytes, position);
  // A helper's answer: frames until the end, an error, or nonsense.
  while (const auto frame = tw::ReaderWire::ReadFrame(source)) {
    if (!std::holds_alternative<tw::TextPiece>(*frame)) return;
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
