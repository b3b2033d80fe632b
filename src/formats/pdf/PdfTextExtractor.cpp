#include "formats/pdf/PdfTextExtractor.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstdint>

namespace tw {
namespace {

void IgnoreDiagnostic(const std::string&, void*) {}

}  // namespace

PdfTextExtractor::PdfTextExtractor(std::unique_ptr<poppler::document> document)
    : document_(std::move(document)) {}
PdfTextExtractor::PdfTextExtractor(PdfTextExtractor&&) noexcept = default;
PdfTextExtractor& PdfTextExtractor::operator=(PdfTextExtractor&&) noexcept = default;
PdfTextExtractor::~PdfTextExtractor() = default;

// Poppler hands back a locked document, not none, when the file opens only with a password.
std::variant<PdfTextExtractor, PdfTextExtractor::LoadFailure> PdfTextExtractor::Accept(
    poppler::document* loaded) {
  std::unique_ptr<poppler::document> document(loaded);
  if (!document) return LoadFailure::Unreadable;
  if (document->is_locked()) return LoadFailure::NeedsPassword;
  return PdfTextExtractor(std::move(document));
}

std::variant<PdfTextExtractor, PdfTextExtractor::LoadFailure> PdfTextExtractor::LoadFile(
    const std::string& path) {
  return Accept(poppler::document::load_from_file(path));
}

std::optional<PdfTextExtractor> PdfTextExtractor::LoadData(std::span<const char> data) {
  if (data.size() > static_cast<size_t>(INT32_MAX)) return std::nullopt;
  auto loaded =
      Accept(poppler::document::load_from_raw_data(data.data(), static_cast<int>(data.size())));
  if (auto* document = std::get_if<PdfTextExtractor>(&loaded)) return std::move(*document);
  return std::nullopt;
}

void PdfTextExtractor::SilenceDiagnostics() {
  poppler::set_debug_error_function(IgnoreDiagnostic, nullptr);
}

int PdfTextExtractor::PageCount() const {
  return std::max(document_->pages(), 0);
}

// The page's text in reading order as poppler's plain text output lays it out (no column
// alignment): single blanks between the words of a line, line breaks between lines, and a word
// hyphenated across a line end back in one piece. Taking the text this way costs about what
// pdftotext costs; poppler's word boxes (page::text_list) give the same words a third slower.
std::u16string PdfTextExtractor::PageText(int index) const {
  const std::unique_ptr<poppler::page> page(document_->create_page(index));
  if (!page) return {};
  const poppler::ustring text =
      page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
  return std::u16string(text.begin(), text.end());
}

}  // namespace tw
