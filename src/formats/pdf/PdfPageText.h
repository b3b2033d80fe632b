#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// One page's text in reading order, cut into word items: each item is a word with the separators
// that follow it on the page (blanks, line breaks), so the items joined are the page's text.
// Separators before the first word make an item of their own; those after the last are dropped.
class PdfPageText {
 public:
  PdfPageText() = default;
  explicit PdfPageText(std::u16string text);

  const std::u16string& Text() const { return text_; }
  size_t ItemCount() const { return starts_.size(); }
  std::u16string_view Item(size_t index) const;

  // What the page's text puts between words.
  static bool IsSeparator(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\f';
  }

 private:
  std::u16string text_;
  std::vector<uint32_t> starts_;  // where each item starts in text_
};

}  // namespace tw
