#include "counting/SimpleSentenceBreaks.h"

#include <array>

#include "text/IcuUnicode.h"

namespace tw {
namespace {

using Classes = std::array<uint8_t, 0x10000>;

SimpleSentenceBreaks::Class ClassOfCodePoint(UChar32 c) {
  using Breaks = SimpleSentenceBreaks;
  // A surrogate stands for a character of the other planes, whose class the table cannot hold.
  if (c >= 0xD800 && c <= 0xDFFF) return Breaks::Unsupported;
  switch (Icu().intPropertyValue(c, UCHAR_SENTENCE_BREAK)) {
    case U_SB_OTHER:
      return Breaks::Other;
    case U_SB_SP:
      return Breaks::Sp;
    case U_SB_LOWER:
      return Breaks::Lower;
    case U_SB_UPPER:
      return Breaks::Upper;
    case U_SB_OLETTER:
      return Breaks::OLetter;
    case U_SB_NUMERIC:
      return Breaks::Numeric;
    case U_SB_ATERM:
      return Breaks::ATerm;
    case U_SB_STERM:
      return Breaks::STerm;
    case U_SB_CLOSE:
      return Breaks::Close;
    case U_SB_SCONTINUE:
      return Breaks::SContinue;
    default:
      // Paragraph separators end a sentence on their own, and Extend and Format characters are
      // looked through: rules the simple ones leave to ICU.
      return Breaks::Unsupported;
  }
}

const Classes& ClassTable() {
  static const Classes table = [] {
    Classes made{};
    for (UChar32 c = 0; c < 0x10000; ++c) {
      uint8_t entry = ClassOfCodePoint(c);
      if (Icu().isWhiteSpace(c)) entry |= 0x10;
      made[static_cast<size_t>(c)] = entry;
    }
    return made;
  }();
  return table;
}

}  // namespace

SimpleSentenceBreaks::SimpleSentenceBreaks() : table_(ClassTable().data()) {}

bool SimpleSentenceBreaks::Covers(std::u16string_view paragraph) const {
  for (char16_t unit : paragraph) {
    if (ClassOf(unit) == Unsupported) return false;
  }
  return true;
}

// A break may only follow a terminator with the closing punctuation and spaces after it; the
// rules that keep the sentence going there are looked at in turn.
size_t SimpleSentenceBreaks::SentenceEnd(std::u16string_view paragraph, size_t start) const {
  const size_t size = paragraph.size();
  size_t i = start;
  while (i < size) {
    if (!IsTerminator(ClassOf(paragraph[i]))) {
      ++i;
      continue;
    }
    size_t next = i + 1;
    while (next < size && ClassOf(paragraph[next]) == Close) ++next;
    while (next < size && ClassOf(paragraph[next]) == Sp) ++next;
    if (next == size || BreaksBetween(paragraph, i, next)) return next;
    i = next;
  }
  return size;
}

// `terminator` is followed by closing punctuation and spaces up to `next`, which is neither.
bool SimpleSentenceBreaks::BreaksBetween(std::u16string_view paragraph, size_t terminator,
                                         size_t next) const {
  const Class following = ClassOf(paragraph[next]);
  const bool fullStop = ClassOf(paragraph[terminator]) == ATerm;
  if (fullStop && next == terminator + 1) {
    // A decimal point ("3.5"), and an initial or abbreviation ("U.S.A.").
    if (following == Numeric) return false;
    if (following == Upper && terminator > 0) {
      const Class before = ClassOf(paragraph[terminator - 1]);
      if (before == Upper || before == Lower) return false;
    }
  }
  // A full stop that a lower-case word continues is an abbreviation ("etc. and so on").
  if (fullStop && LowerFollows(paragraph, next)) return false;
  // Commas, colons and further terminators continue the sentence.
  return following != SContinue && !IsTerminator(following);
}

// Whether the first letter or terminator from `from` on is a lower-case letter.
bool SimpleSentenceBreaks::LowerFollows(std::u16string_view paragraph, size_t from) const {
  for (size_t k = from; k < paragraph.size(); ++k) {
    const Class c = ClassOf(paragraph[k]);
    if (c == Lower) return true;
    if (c == OLetter || c == Upper || IsTerminator(c)) return false;
  }
  return false;
}

}  // namespace tw
