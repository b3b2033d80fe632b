#include "automation/pdf/PdfTextExtractor.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <cstdint>

namespace tw {
namespace {

constexpr std::u16string_view kBlank = u" ";
constexpr std::u16string_view kLineBreak = u"\r\n";

// The box's extent across its lines (vertical for upright text) and its start along them.
struct LineAxis {
  double crossStart;
  double crossEnd;
  double along;
};

LineAxis AxisOf(const poppler::text_box& word) {
  const poppler::rectf box = word.bbox();
  switch (word.rotation()) {
    case 1:
      return {box.left(), box.right(), box.top()};
    case 2:
      return {box.top(), box.bottom(), -box.right()};
    case 3:
      return {box.left(), box.right(), -box.bottom()};
    default:
      return {box.top(), box.bottom(), box.left()};
  }
}

// Poppler orders words by line but does not mark where a line ends: the next word starts a new
// line when it turns, does not sit across the middle of this word's line, or steps back.
bool StartsNewLine(const poppler::text_box& word, const poppler::text_box& next) {
  if (word.rotation() != next.rotation()) return true;
  const LineAxis here = AxisOf(word);
  const LineAxis there = AxisOf(next);
  const double middle = (there.crossStart + there.crossEnd) / 2;
  if (middle < here.crossStart || middle > here.crossEnd) return true;
  return there.along < here.along;
}

std::u16string ToU16(const poppler::ustring& text) {
  return std::u16string(text.begin(), text.end());
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

PdfTextItems PdfTextExtractor::PageItems(int index) const {
  PdfTextItems items;
  const std::unique_ptr<poppler::page> page(document_->create_page(index));
  if (!page) return items;
  const std::vector<poppler::text_box> words = page->text_list();
  items.reserve(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    std::u16string item = ToU16(words[i].text());
    if (words[i].has_space_after()) {
      item += kBlank;
    } else if (i + 1 < words.size() && StartsNewLine(words[i], words[i + 1])) {
      item += kLineBreak;
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace tw
