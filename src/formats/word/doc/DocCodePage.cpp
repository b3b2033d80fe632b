#include "formats/word/doc/DocCodePage.h"

namespace tw {
namespace {

constexpr int kWestern = 1252;

int CodePageOfPrimaryLanguage(uint16_t primary) {
  switch (primary) {
    case 0x01:  // Arabic
    case 0x20:  // Urdu
    case 0x29:  // Farsi
      return 1256;
    case 0x02:  // Bulgarian
    case 0x19:  // Russian
    case 0x22:  // Ukrainian
    case 0x23:  // Belarusian
    case 0x2F:  // Macedonian
      return 1251;
    case 0x05:  // Czech
    case 0x0E:  // Hungarian
    case 0x15:  // Polish
    case 0x18:  // Romanian
    case 0x1B:  // Slovak
    case 0x1C:  // Albanian
    case 0x24:  // Slovenian
      return 1250;
    case 0x08:
      return 1253;
    case 0x0D:
      return 1255;
    case 0x11:
      return 932;
    case 0x12:
      return 949;
    case 0x1E:
      return 874;
    case 0x1F:
      return 1254;
    case 0x25:  // Estonian
    case 0x26:  // Latvian
    case 0x27:  // Lithuanian
      return 1257;
    case 0x2A:
      return 1258;
    default:
      return kWestern;
  }
}

}  // namespace

int CodePageOfLanguage(uint16_t language) {
  switch (language) {
    case 0x0804:  // Chinese, PRC
    case 0x1004:  // Chinese, Singapore
      return 936;
    case 0x0404:  // Chinese, Taiwan
    case 0x0C04:  // Chinese, Hong Kong
    case 0x1404:  // Chinese, Macao
      return 950;
    case 0x0C1A:  // Serbian, Cyrillic
      return 1251;
    case 0x041A:  // Croatian
    case 0x081A:  // Serbian, Latin
      return 1250;
    default:
      return CodePageOfPrimaryLanguage(language & 0x03FF);
  }
}

}  // namespace tw
