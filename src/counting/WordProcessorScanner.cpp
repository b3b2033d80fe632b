#include "counting/WordProcessorScanner.h"

#include <array>
#include <memory>

#include "text/CharacterClass.h"
#include "text/IcuUnicode.h"

namespace tw {
namespace {

enum class Kind : uint8_t { Break, Space, Invisible, Ideograph, Punctuation, Other };

bool IsKanaBlock(char32_t c) {
  // The kana blocks hold marks of common script too (the prolonged sound mark, the middle dot);
  // word processors count them like the kana around them.
  return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0xFF66 && c <= 0xFF9F);
}

Kind KindOfCodePoint(char32_t c) {
  const UChar32 u = static_cast<UChar32>(c);
  const IcuUnicode& icu = Icu();
  if (c == u'\t') return Kind::Space;
  if (icu.charType(u) == U_CONTROL_CHAR || c == 0x2028 || c == 0x2029) return Kind::Break;
  if (icu.isWhiteSpace(u)) return Kind::Space;
  if (icu.charType(u) == U_FORMAT_CHAR) return Kind::Invisible;
  if (c > 0xFF && ClassifyCodePoint(c) == CharClass::Ideograph) return Kind::Ideograph;
  if (IsKanaBlock(c) && icu.isGraphic(u)) return Kind::Ideograph;
  if (icu.isPunctuation(u)) return Kind::Punctuation;
  return Kind::Other;
}

using BasicPlaneKinds = std::array<Kind, 0x10000>;

// Most text stays in the basic plane; its kinds are looked up once and kept.
const BasicPlaneKinds& BasicPlane() {
  static const std::unique_ptr<BasicPlaneKinds> kinds = [] {
    auto table = std::make_unique<BasicPlaneKinds>();
    for (char32_t c = 0; c < 0x10000; ++c) (*table)[c] = KindOfCodePoint(c);
    return table;
  }();
  return *kinds;
}

Kind KindOf(char32_t c) {
  if (c < 0x10000) return BasicPlane()[c];
  if (c > 0x10FFFF) return Kind::Other;
  return KindOfCodePoint(c);
}

}  // namespace

void WordProcessorScanner::Feed(char32_t codePoint) {
  switch (KindOf(codePoint)) {
    case Kind::Break:
      state_ = State::Between;
      return;
    case Kind::Space:
      counts_.spaces = SaturatingAdd(counts_.spaces, 1);
      state_ = State::Between;
      return;
    case Kind::Invisible:
      return;
    case Kind::Ideograph:
      counts_.words = SaturatingAdd(counts_.words, 1);
      state_ = State::AfterIdeograph;
      break;
    case Kind::Punctuation:
      if (state_ == State::Between) counts_.words = SaturatingAdd(counts_.words, 1);
      if (state_ != State::AfterIdeograph) state_ = State::InWord;
      break;
    case Kind::Other:
      if (state_ != State::InWord) counts_.words = SaturatingAdd(counts_.words, 1);
      state_ = State::InWord;
      break;
  }
  counts_.characters = SaturatingAdd(counts_.characters, 1);
}

}  // namespace tw
