#include "formats/word/WordDocumentModel.h"

#include <algorithm>

namespace tw {

namespace {

// Word links a section without its own primary header or footer to the previous section's.
template <class Member>
std::u16string Linked(const std::vector<WordSectionModel>& sections, size_t section,
                      Member member) {
  for (size_t k = std::min(section + 1, sections.size()); k > 0; --k) {
    const std::optional<std::u16string>& own = sections[k - 1].*member;
    if (own) return *own;
  }
  return {};
}

}  // namespace

std::u16string WordDocument::PrimaryHeader(size_t section) const {
  return Linked(sections, section, &WordSectionModel::primaryHeader);
}

std::u16string WordDocument::PrimaryFooter(size_t section) const {
  return Linked(sections, section, &WordSectionModel::primaryFooter);
}

}  // namespace tw
