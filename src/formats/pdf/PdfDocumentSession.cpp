#include "formats/pdf/PdfDocumentSession.h"

#include <chrono>

#include "formats/ReadResult.h"
#include "formats/pdf/PdfTextExtractor.h"
#include "formats/pdf/PdfWireFormat.h"

namespace tw {
namespace {


// Pages are sent in batches of about this size, or after this long: fewer, larger writes wake
// the window's side less often, which matters when the machine is busy, while slow pages still
// reach it well within its idle limit.
constexpr size_t kBatchBytes = 128 * 1024;
constexpr auto kBatchTime = std::chrono::milliseconds(200);

// The helper's whole work: load the document, send its page count, then every page in order.
// Stops quietly when the window's side has gone away.
void SendDocument(int fd, const std::string& path) {
  PdfTextExtractor::SilenceDiagnostics();
  const std::optional<PdfTextExtractor> document = PdfTextExtractor::LoadFile(path);
  const PdfWireFormat::Header header{document.has_value(), document ? document->PageCount() : 0};
  if (!PdfHelperProcess::WriteAll(fd, PdfWireFormat::EncodeHeader(header))) return;
  std::string batch;
  auto sent = std::chrono::steady_clock::now();
  for (int page = 0; page < header.pageCount; ++page) {
    batch += PdfWireFormat::EncodePage(document->PageText(page));
    const bool last = page + 1 == header.pageCount;
    const auto now = std::chrono::steady_clock::now();
    if (last || batch.size() >= kBatchBytes || now - sent >= kBatchTime) {
      if (!PdfHelperProcess::WriteAll(fd, batch)) return;
      batch.clear();
      sent = now;
    }
  }
}

}  // namespace

PdfDocumentSession::PdfDocumentSession(PdfHelperLimits limits) : limits_(limits) {}

bool PdfDocumentSession::Open(const std::string& path) {
  Close();
  path_ = path;
  if (!StartHelper()) return false;
  const std::optional<PdfWireFormat::Header> header = PdfWireFormat::ReadHeader(
      [this](void* into, size_t size) { return helper_->Read(into, size); });
  if (!header || !header->opened) {
    Close();
    return false;
  }
  pageCount_ = header->pageCount;
  return true;
}

bool PdfDocumentSession::StartHelper() {
  const std::string path = path_;  // the child works on its own copy
  helper_ = PdfHelperProcess::Start([path](int fd) { SendDocument(fd, path); }, limits_);
  nextPage_ = 0;
  return helper_ != nullptr;
}

void PdfDocumentSession::Close() {
  helper_.reset();
  pageCount_ = 0;
  nextPage_ = 0;
  currentIndex_ = -1;
  current_.reset();
}

std::shared_ptr<const PdfPageText> PdfDocumentSession::Page(long index) {
  if (!IsOpen()) throw ReaderError("No document is open");
  if (index < 0 || index >= pageCount_) {
    throw ReaderError("There is no page " + std::to_string(index + 1));
  }
  if (index == currentIndex_) return current_;
  // The helper streams forward only; going back means reading the document again.
  if (index < nextPage_ && !Restart()) Fail(index);
  while (nextPage_ <= index) {
    current_ = ReadNextPage();
    if (!current_) Fail(index);
    currentIndex_ = nextPage_++;
  }
  return current_;
}

bool PdfDocumentSession::Restart() {
  if (!StartHelper()) return false;
  const std::optional<PdfWireFormat::Header> header = PdfWireFormat::ReadHeader(
      [this](void* into, size_t size) { return helper_->Read(into, size); });
  return header && header->opened && header->pageCount == pageCount_;
}

std::shared_ptr<const PdfPageText> PdfDocumentSession::ReadNextPage() {
  std::optional<std::u16string> text = PdfWireFormat::ReadPage(
      [this](void* into, size_t size) { return helper_->Read(into, size); });
  if (!text) return nullptr;
  return std::make_shared<const PdfPageText>(std::move(*text));
}

void PdfDocumentSession::Fail(long index) {
  Close();
  throw ReaderError("The text of page " + std::to_string(index + 1) + " of " +
                                          path_ + " could not be read");
}

}  // namespace tw
