#include "counting/TitleMasterScan.h"

#include "counting/WordScanner.h"
#include "text/CharacterClass.h"

namespace tw {
namespace {

bool IsOpeningMarker(char32_t c) {
  return c == 0x2039 || c == 0x8B;
}
bool IsClosingMarker(char32_t c) {
  return c == 0x203A || c == 0x9B;
}

// One character of a title-master text: its class, and whether it opens or closes a marked
// stretch.
void FeedTitleMasterCharacter(WordScanner& scanner, bool& outsideMarkers, CharClass c,
                              bool opensMarker, bool closesMarker) {
  if (opensMarker) {
    outsideMarkers = false;
    scanner.Feed(CharClass::Blank);  // ends the word before the stretch
  }
  if (outsideMarkers) scanner.Feed(c);
  if (closesMarker) outsideMarkers = true;
}

}  // namespace

FileCounts ScanTitleMasterText(std::u16string_view text, bool legacyByteRules) {
  // Every character that is not blank joins a word, as extra symbols do under that option.
  WordScanner scanner(/*extraSymbolsAsWords=*/true);
  bool outsideMarkers = true;
  for (size_t i = 0; i < text.size(); ++i) {
    if (legacyByteRules) {
      const uint8_t b = static_cast<uint8_t>(text[i] & 0xFF);
      FeedTitleMasterCharacter(scanner, outsideMarkers, ClassifyByte(b), b == 0x8B, b == 0x9B);
      continue;
    }
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    FeedTitleMasterCharacter(scanner, outsideMarkers, ClassifyCodePoint(cp), IsOpeningMarker(cp),
                             IsClosingMarker(cp));
  }
  return scanner.Finish();
}

}  // namespace tw
