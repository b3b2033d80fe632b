#include "formats/pdf/PdfPageText.h"

namespace tw {

PdfPageText::PdfPageText(std::u16string text) : text_(std::move(text)) {
  while (!text_.empty() && IsSeparator(text_.back())) text_.pop_back();
  if (text_.empty()) return;
  starts_.push_back(0);
  for (size_t i = 1; i < text_.size(); ++i) {
    if (IsSeparator(text_[i - 1]) && !IsSeparator(text_[i])) {
      starts_.push_back(static_cast<uint32_t>(i));
    }
  }
}

std::u16string_view PdfPageText::Item(size_t index) const {
  const size_t start = starts_.at(index);
  const size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
  return std::u16string_view(text_).substr(start, end - start);
}

}  // namespace tw
