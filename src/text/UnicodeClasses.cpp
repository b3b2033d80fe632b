#include "text/UnicodeClasses.h"

#include "text/IcuUnicode.h"

namespace tw {
namespace {

bool IsIdeographScript(char32_t codePoint) {
  UErrorCode error = U_ZERO_ERROR;
  const UScriptCode script = Icu().script(static_cast<UChar32>(codePoint), &error);
  return U_SUCCESS(error) &&
         (script == USCRIPT_HAN || script == USCRIPT_HIRAGANA || script == USCRIPT_KATAKANA);
}

}  // namespace

CharClass UnicodeClassOf(char32_t codePoint) {
  const UChar32 c = static_cast<UChar32>(codePoint);
  const IcuUnicode& icu = Icu();
  switch (icu.charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
      return IsIdeographScript(codePoint) ? CharClass::Ideograph : CharClass::WordForming;
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_COMBINING_SPACING_MARK:
    case U_DECIMAL_DIGIT_NUMBER:
    case U_LETTER_NUMBER:
    case U_OTHER_NUMBER:
      return CharClass::WordForming;
    case U_SPACE_SEPARATOR:
      return CharClass::Space;
    case U_FORMAT_CHAR:
      return CharClass::Ignored;
    default:
      break;
  }
  if (icu.isWhiteSpace(c)) return CharClass::Blank;
  return CharClass::ExtraSymbol;
}

}  // namespace tw
