#include "formats/word/doc/DocCharacterRuns.h"

#include <algorithm>

#include "formats/word/doc/DocStyleSheet.h"

namespace tw {
namespace {

constexpr uint16_t kSprmDeleted = 0x0800;  // sprmCFRMarkDel
constexpr uint16_t kSprmHidden = 0x083C;   // sprmCFVanish
constexpr uint16_t kSprmStyle = 0x4A30;    // sprmCIstd
constexpr uint8_t kWord6SprmDeleted = 65;
constexpr uint8_t kWord6SprmStyle = 80;
constexpr uint8_t kWord6SprmHidden = 92;
constexpr int kVariableSize = -1;
constexpr int kUnknownSize = -2;
constexpr uint32_t kPageSize = 512;
// A page holds at most 101 runs; more would overrun the page.
constexpr uint32_t kMaxRunsPerPage = 101;

// The operand size of a property by its sprm's size code; 0 when the operand carries its own size.
uint32_t OperandSize(uint16_t sprm) {
  switch (sprm >> 13) {
    case 0:
    case 1:
      return 1;
    case 2:
    case 4:
    case 5:
      return 2;
    case 3:
      return 4;
    case 7:
      return 3;
    default:
      return 0;
  }
}

// Toggle operands: 1 on, 0 off, 0x80 as the style says, 0x81 the opposite of the style.
bool ToggleOn(uint8_t operand, bool style) {
  if (operand == 0x80) return style;
  if (operand == 0x81) return !style;
  return operand == 1;
}

// The operand size of a Word 6 character property; kVariableSize when a size byte leads it.
int Word6OperandSize(uint8_t sprm) {
  switch (sprm) {
    case 68:  // picture location
    case 74:  // symbol
    case 81:  // style permutation
    case 103:
    case 105:
    case 106:
    case 108:
      return kVariableSize;
    case 82:  // default properties
    case 83:  // plain text
      return 0;
    case 69:
    case 72:
    case 80:
    case 93:
    case 96:
    case 97:
    case 99:
    case 101:
    case 107:
    case 109:
    case 110:
      return 2;
    case 73:
    case 95:
      return 3;
    case 70:
      return 4;
    default:
      if ((sprm >= 65 && sprm <= 75) || (sprm >= 85 && sprm <= 104) || sprm == 117 || sprm == 118)
        return 1;
      return kUnknownSize;
  }
}

// Word 6 lists: an unknown code ends the reading, since its size cannot be known.
DocCharacterFlags ReadWord6Flags(std::span<const uint8_t> properties, DocCharacterFlags flags,
                                 const DocStyleSheet* styles, bool styleHidden) {
  size_t i = 0;
  while (i < properties.size()) {
    const uint8_t sprm = properties[i++];
    int size = Word6OperandSize(sprm);
    if (size == kUnknownSize) break;
    if (size == kVariableSize) {
      if (i >= properties.size()) break;
      size = properties[i++];
    }
    if (i + static_cast<size_t>(size) > properties.size()) break;
    if (sprm == kWord6SprmDeleted) flags.deleted = properties[i] != 0;
    if (sprm == kWord6SprmHidden) flags.hidden = ToggleOn(properties[i], styleHidden);
    if (sprm == kWord6SprmStyle && size == 2 && styles != nullptr) {
      styleHidden = styles->Hidden(static_cast<uint16_t>(properties[i] | (properties[i + 1] << 8)));
      flags.hidden = styleHidden;
    }
    i += static_cast<size_t>(size);
  }
  return flags;
}

}  // namespace

DocCharacterFlags ReadCharacterFlags(std::span<const uint8_t> properties, DocCharacterFlags flags,
                                     const DocStyleSheet* styles, bool styleHidden,
                                     DocSprmForm form) {
  if (form == DocSprmForm::Word6) return ReadWord6Flags(properties, flags, styles, styleHidden);
  size_t i = 0;
  while (i + 2 <= properties.size()) {
    const uint16_t sprm = static_cast<uint16_t>(properties[i] | (properties[i + 1] << 8));
    i += 2;
    uint32_t size = OperandSize(sprm);
    if (size == 0) {
      if (i >= properties.size()) break;
      size = properties[i];
      ++i;
    }
    if (i + size > properties.size()) break;
    if (sprm == kSprmDeleted) flags.deleted = properties[i] != 0;
    if (sprm == kSprmHidden) flags.hidden = ToggleOn(properties[i], styleHidden);
    if (sprm == kSprmStyle && size == 2 && styles != nullptr) {
      styleHidden = styles->Hidden(static_cast<uint16_t>(properties[i] | (properties[i + 1] << 8)));
      flags.hidden = styleHidden;
    }
    i += size;
  }
  return flags;
}

DocCharacterRuns::DocCharacterRuns(const DocBytes& document, std::span<const uint8_t> pageTable,
                                   const DocStyleSheet& styles, DocSprmForm form) {
  // (n + 1) positions, then n page numbers (of two bytes in Word 6 files, four later).
  if (pageTable.size() < 4) return;
  const uint64_t numberSize = form == DocSprmForm::Word6 ? 2 : 4;
  const uint64_t count = (pageTable.size() - 4) / (4 + numberSize);
  // Each page is read once; more entries than the stream has pages can only repeat pages.
  if (count > document.Size() / kPageSize + 1) {
    throw DocError("The document is damaged (bad character formatting)");
  }
  const DocBytes table(pageTable);
  const uint64_t pagesAt = 4 * (uint64_t{count} + 1);
  for (uint64_t i = 0; i < count; ++i) {
    const uint32_t page = numberSize == 2 ? table.U16(pagesAt + 2 * i) : table.U32(pagesAt + 4 * i);
    ReadPage(document, page & 0x3FFFFF, styles, form);
  }
  std::sort(suppressed_.begin(), suppressed_.end(),
            [](const Run& a, const Run& b) { return a.fcStart < b.fcStart; });
}

void DocCharacterRuns::ReadPage(const DocBytes& document, uint32_t pageNumber,
                                const DocStyleSheet& styles, DocSprmForm form) {
  const uint64_t pageAt = uint64_t{pageNumber} * kPageSize;
  if (!document.Contains(pageAt, kPageSize)) {
    throw DocError("The document is damaged (character formatting lies outside the file)");
  }
  const DocBytes page(document.Slice(pageAt, kPageSize));
  const uint32_t runs = page.U8(kPageSize - 1);
  if (runs > kMaxRunsPerPage) throw DocError("The document is damaged (bad character formatting)");
  const uint32_t offsetsAt = 4 * (runs + 1);
  for (uint32_t r = 0; r < runs; ++r) {
    const uint32_t start = page.U32(4 * r);
    const uint32_t end = page.U32(4 * (r + 1));
    const uint32_t at = 2u * page.U8(offsetsAt + r);
    if (at == 0 || end <= start) continue;  // no properties of its own
    const uint32_t size = page.U8(at);
    if (at + 1 + size > kPageSize) continue;
    const DocCharacterFlags flags =
        ReadCharacterFlags(page.Slice(at + 1, size), {}, &styles, false, form);
    if (flags.Suppressed()) suppressed_.push_back({start, end, flags});
  }
}

DocCharacterFlags DocCharacterRuns::Flags(uint32_t fc) const {
  auto after = std::upper_bound(suppressed_.begin(), suppressed_.end(), fc,
                                [](uint32_t value, const Run& run) { return value < run.fcStart; });
  if (after == suppressed_.begin()) return {};
  const Run& run = *std::prev(after);
  return fc < run.fcEnd ? run.flags : DocCharacterFlags{};
}

}  // namespace tw
