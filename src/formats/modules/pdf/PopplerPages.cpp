// The PDF module: poppler behind the PdfModule entry points, loaded only by a program that meets
// a PDF.
#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "formats/pdf/PdfPageSource.h"

namespace tw {
namespace {

class PopplerPages final : public PdfPageSource {
 public:
  explicit PopplerPages(std::unique_ptr<poppler::document> document)
      : document_(std::move(document)) {}

  int PageCount() const override { return std::max(document_->pages(), 0); }

  // The page's text in reading order as poppler's plain text output lays it out (no column
  // alignment): single blanks between the words of a line, line breaks between lines, and a word
  // hyphenated across a line end back in one piece. Taking the text this way costs about what
  // pdftotext costs; poppler's word boxes (page::text_list) give the same words a third slower.
  std::u16string PageText(int index) const override {
    const std::unique_ptr<poppler::page> page(document_->create_page(index));
    if (!page) return {};
    const poppler::ustring text =
        page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
    return std::u16string(text.begin(), text.end());
  }

 private:
  std::unique_ptr<poppler::document> document_;
};

// Poppler hands back a locked document, not none, when the file opens only with a password.
PdfPageSource* Accept(poppler::document* loaded, PdfLoadFailure& failure) {
  std::unique_ptr<poppler::document> document(loaded);
  if (!document) {
    failure = PdfLoadFailure::Unreadable;
    return nullptr;
  }
  if (document->is_locked()) {
    failure = PdfLoadFailure::NeedsPassword;
    return nullptr;
  }
  return new PopplerPages(std::move(document));
}

PdfPageSource* LoadFile(const std::string& path, PdfLoadFailure& failure) {
  return Accept(poppler::document::load_from_file(path), failure);
}

PdfPageSource* LoadData(std::span<const char> data, PdfLoadFailure& failure) {
  if (data.size() > static_cast<size_t>(INT32_MAX)) {
    failure = PdfLoadFailure::Unreadable;
    return nullptr;
  }
  return Accept(poppler::document::load_from_raw_data(data.data(), static_cast<int>(data.size())),
                failure);
}

void IgnoreDiagnostic(const std::string&, void*) {}

void SilenceDiagnostics() {
  poppler::set_debug_error_function(IgnoreDiagnostic, nullptr);
}

constexpr PdfModule kModule{LoadFile, LoadData, SilenceDiagnostics};

}  // namespace
}  // namespace tw

extern "C" __attribute__((visibility("default"))) const tw::PdfModule* tw_pdf_module() {
  return &tw::kModule;
}
