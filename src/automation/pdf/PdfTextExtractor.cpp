#include "automation/pdf/PdfTextExtractor.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstdint>

namespace tw {
namespace {

// What poppler puts between words: blanks within a line, line and block ends, the page end.
bool IsSeparator(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
}

// Cuts the page text into words, each keeping the separators that follow it; separators at the
// very start of the page make an item of their own, those at its very end are dropped.
PdfTextItems SplitIntoWords(std::u16string_view text) {
  while (!text.empty() && IsSeparator(text.back())) text.remove_suffix(1);
  PdfTextItems items;
  size_t start = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    if (IsSeparator(text[i - 1]) && !IsSeparator(text[i])) {
      items.emplace_back(text.substr(start, i - start));
      start = i;
    }
  }
  if (start < text.size()) items.emplace_back(text.substr(start));
  return items;
}

void IgnoreDiagnostic(const std::string&, void*) {}

}  // namespace

PdfTextExtractor::PdfTextExtractor(std::unique_ptr<poppler::document> document)
    : document_(std::move(document)) {}
PdfTextExtractor::PdfTextExtractor(PdfTextExtractor&&) noexcept = default;
PdfTextExtractor& PdfTextExtractor::operator=(PdfTextExtractor&&) noexcept = default;
PdfTextExtractor::~PdfTextExtractor() = default;

std::optional<PdfTextExtractor> PdfTextExtractor::Accept(poppler::document* loaded) {
  std::unique_ptr<poppler::document> document(loaded);
  if (!document || document->is_locked()) return std::nullopt;
  return PdfTextExtractor(std::move(document));
}

std::optional<PdfTextExtractor> PdfTextExtractor::LoadFile(const std::string& path) {
  return Accept(poppler::document::load_from_file(path));
}

std::optional<PdfTextExtractor> PdfTextExtractor::LoadData(std::span<const char> data) {
  if (data.size() > static_cast<size_t>(INT32_MAX)) return std::nullopt;
  return Accept(poppler::document::load_from_raw_data(data.data(), static_cast<int>(data.size())));
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
PdfTextItems PdfTextExtractor::PageItems(int index) const {
  const std::unique_ptr<poppler::page> page(document_->create_page(index));
  if (!page) return {};
  const poppler::ustring text =
      page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
  const std::u16string units(text.begin(), text.end());
  return SplitIntoWords(units);
}

}  // namespace tw
