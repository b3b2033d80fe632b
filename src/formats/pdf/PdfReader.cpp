#include "formats/pdf/PdfReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>

#include "formats/pdf/PdfHelperCommand.h"
#include "formats/pdf/PdfHelperLocator.h"
#include "formats/pdf/PdfHelperProcess.h"
#include "formats/pdf/PdfWireFormat.h"

namespace tw {
namespace {

// However many pages a helper claims and sends, the document it hands over stays within this many
// UTF-16 units, each page charged at least kPageCharge for its own bookkeeping.
constexpr uint64_t kMaxDocumentUnits = uint64_t{1} << 28;
constexpr uint64_t kPageCharge = 64;

// What the page's text puts between words.
bool IsSeparator(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
}

// A page's words with the separators between them; those after the last word (the line and page
// ends) are nothing of the page's.
std::u16string PageText(std::u16string text) {
  while (!text.empty() && IsSeparator(text.back())) text.pop_back();
  return text;
}

// A file that cannot be opened at all says so plainly, and costs no helper.
const std::string& CheckReadable(const std::string& path) {
  if (access(path.c_str(), R_OK) != 0) {
    const std::string reason = std::strerror(errno);
    throw ReaderError("cannot open " + path + " (" + reason + ")", ReaderError::Cause::Other,
                      reason);
  }
  return path;
}

class PdfReader {
 public:
  PdfReader(const std::string& path, const PdfHelperLimits& limits)
      : path_(CheckReadable(path)),
        helper_(FindPdfHelperProgram(), PdfHelperCommand::For(path, limits).Arguments(),
                limits.idleTimeoutMs) {}

  ReadResult Read(const StopFlag* stop) {
    const PdfWireFormat::Header header = ReadHeader();
    Document document;
    uint64_t units = 0;
    for (int32_t page = 0; page < header.pageCount; ++page) {
      if (stop != nullptr && stop->load()) return ReadResult::Stopped{};
      std::optional<std::u16string> text = PdfWireFormat::ReadPage(Source());
      if (!text)
        Fail("before page " + std::to_string(page + 1) + " of " + std::to_string(header.pageCount));
      units += text->size() + kPageCharge;
      if (units > kMaxDocumentUnits)
        throw ReaderError(path_ + " holds more text than can be counted");
      document.Add(PieceKind::PdfPage, PageText(std::move(*text)), page);
    }
    return document;
  }

 private:
  PdfWireFormat::ByteSource Source() {
    return [this](void* into, size_t size) { return helper_.Read(into, size); };
  }

  PdfWireFormat::Header ReadHeader() {
    const std::optional<PdfWireFormat::Header> header = PdfWireFormat::ReadHeader(Source());
    if (!header) Fail("while opening it");
    switch (header->opening) {
      case PdfWireFormat::Opening::Opened:
        break;
      case PdfWireFormat::Opening::NeedsPassword:
        throw ReaderError("The document needs a password to open: " + path_,
                          ReaderError::Cause::NeedsPassword);
      case PdfWireFormat::Opening::Failed:
        throw ReaderError("cannot open " + path_ + ": it is damaged or not a PDF",
                          ReaderError::Cause::Other, "damaged or not a PDF");
    }
    return *header;
  }

  [[noreturn]] void Fail(const std::string& when) {
    throw ReaderError("reading " + path_ + " failed " + when + ": the PDF reader program " +
                      helper_.Failure());
  }

  std::string path_;
  PdfHelperProcess helper_;
};

}  // namespace

ReadResult ReadPdfDocument(const std::string& path, const StopFlag* stop,
                           const PdfHelperLimits& limits) {
  try {
    return PdfReader(path, limits).Read(stop);
  } catch (const ReaderError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return ReaderError("not enough memory to read " + path);
  }
}

}  // namespace tw
