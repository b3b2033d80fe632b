#include "formats/word/doc/DocStoryText.h"

#include <vector>

#include "formats/word/WordText.h"

namespace tw {
namespace {

constexpr char16_t kFieldBegin = 0x13;
constexpr char16_t kFieldSeparator = 0x14;
constexpr char16_t kFieldEnd = 0x15;

// What one character of story text becomes; 0 for nothing.
char16_t Shown(char16_t c) {
  switch (c) {
    case 0x07:  // cell or row end
    case 0x0B:  // line break
    case 0x0C:  // page or section break
    case 0x0D:  // paragraph mark
    case 0x0E:  // column break
      return kWordBreak;
    case 0x09:
      return u'\t';
    case 0x1E:
      return u'\u2011';
    default:
      return c < 0x20 ? 0 : c;  // optional hyphen 0x1F, objects 0x01/0x08, note marks 0x02...
  }
}

}  // namespace

std::u16string DocStoryText(std::u16string_view raw) {
  std::u16string out;
  out.reserve(raw.size());
  // One entry per open field: whether it is still in its code part. Text shows only when no
  // open field is in its code part.
  std::vector<bool> inCode;
  size_t codeDepth = 0;
  for (char16_t c : raw) {
    if (c == kFieldBegin) {
      inCode.push_back(true);
      ++codeDepth;
    } else if (c == kFieldSeparator) {
      if (!inCode.empty() && inCode.back()) {
        inCode.back() = false;
        --codeDepth;
      }
    } else if (c == kFieldEnd) {
      if (!inCode.empty()) {
        if (inCode.back()) --codeDepth;
        inCode.pop_back();
      }
    } else if (codeDepth == 0) {
      if (const char16_t shown = Shown(c)) out.push_back(shown);
    }
  }
  return out;
}

}  // namespace tw
