#include "counting/TextScan.h"

#include "counting/WordScanner.h"

namespace tw {

FileCounts ScanBytes(std::span<const uint8_t> bytes, bool extraSymbolsAsWords) {
  return ScanBytesFollowedBy(bytes, 0, extraSymbolsAsWords);
}

FileCounts ScanPlainText(std::span<const uint8_t> bytes, TextRules rules) {
  PlainTextStream stream(PlainTextPolicy{rules.extraSymbolsAsWords}, rules.legacyByteRules);
  stream.Feed(bytes);
  return stream.Finish();
}

FileCounts ScanHtml(std::span<const uint8_t> bytes, bool legacyByteRules) {
  HtmlStream stream(HtmlPolicy{}, legacyByteRules);
  stream.Feed(bytes);
  return stream.Finish();
}

FileCounts ScanUtf16Text(std::u16string_view text, TextRules rules) {
  WordScanner scanner(rules.extraSymbolsAsWords);
  if (rules.legacyByteRules) {
    for (char16_t unit : text) scanner.Feed(ClassifyUnitLowByte(unit));
    return scanner.Finish();
  }
  // The basic plane's classes looked up directly: this scan runs once per sentence when
  // repetitions are looked for.
  const CharClass* basicPlane = BasicPlaneClasses();
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    scanner.Feed(cp < 0x10000 ? basicPlane[cp] : ClassifyCodePoint(cp));
  }
  return scanner.Finish();
}

}  // namespace tw
