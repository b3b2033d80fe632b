#include "formats/word/doc/DocStyleSheet.h"

#include "formats/word/doc/DocBytes.h"
#include "formats/word/doc/DocCharacterRuns.h"

namespace tw {
namespace {

constexpr uint16_t kNoStyle = 0x0FFF;
constexpr uint8_t kParagraphStyle = 1;
constexpr uint8_t kCharacterStyle = 2;
// Base chains longer than this are damaged (or circular).
constexpr int kMaxBaseDepth = 32;

// The character properties of one style record (an STD), or nothing for other kinds of style.
std::vector<uint8_t> CharacterProperties(const DocBytes& std, uint16_t baseSize, uint8_t kind) {
  uint64_t at = baseSize;
  const uint16_t nameLength = std.U16(at);
  at += 2 + 2 * uint64_t{nameLength} + 2;
  if (kind == kParagraphStyle) {  // the paragraph properties come first
    const uint16_t size = std.U16(at);
    at += 2 + size + (size & 1);
  } else if (kind != kCharacterStyle) {
    return {};
  }
  const uint16_t size = std.U16(at);
  const std::span<const uint8_t> properties = std.Slice(at + 2, size);
  return {properties.begin(), properties.end()};
}

}  // namespace

DocStyleSheet::DocStyleSheet(std::span<const uint8_t> stsh) {
  const std::vector<Style> styles = ReadStyles(stsh);
  hidden_.resize(styles.size());
  for (size_t istd = 0; istd < styles.size(); ++istd) {
    hidden_[istd] = ResolveHidden(styles, static_cast<uint16_t>(istd));
  }
}

std::vector<DocStyleSheet::Style> DocStyleSheet::ReadStyles(std::span<const uint8_t> stsh) {
  std::vector<Style> styles;
  try {
    const DocBytes bytes(stsh);
    const uint16_t headerSize = bytes.U16(0);
    const uint16_t count = bytes.U16(2);
    const uint16_t baseSize = bytes.U16(4);
    uint64_t at = 2 + uint64_t{headerSize};
    for (uint16_t istd = 0; istd < count && at + 2 <= bytes.Size(); ++istd) {
      const uint16_t size = bytes.U16(at);
      Style style;
      if (size >= baseSize && baseSize >= 10) {
        const DocBytes std(bytes.Slice(at + 2, size));
        const uint16_t kindAndBase = std.U16(2);
        style.base = kindAndBase >> 4;
        try {
          style.properties = CharacterProperties(std, baseSize, kindAndBase & 0x0F);
        } catch (const DocError&) {
          // This style's properties are cut short; it hides nothing of its own.
        }
      }
      styles.push_back(std::move(style));
      at += 2 + uint64_t{size};
    }
  } catch (const DocError&) {
    // The sheet ends early; the styles read so far stand.
  }
  return styles;
}

bool DocStyleSheet::ResolveHidden(const std::vector<Style>& styles, uint16_t istd) {
  // The chain from the style down to its first base, applied from the base up.
  std::vector<uint16_t> chain;
  for (uint16_t s = istd; s != kNoStyle && s < styles.size(); s = styles[s].base) {
    if (static_cast<int>(chain.size()) == kMaxBaseDepth) return false;
    chain.push_back(s);
  }
  DocCharacterFlags flags;
  for (auto s = chain.rbegin(); s != chain.rend(); ++s) {
    flags = ReadCharacterFlags(styles[*s].properties, flags, nullptr, flags.hidden);
  }
  return flags.hidden;
}

}  // namespace tw
