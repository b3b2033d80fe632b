#include "text/IcuUnicode.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "text/IcuLibraries.h"

namespace tw {
namespace {

bool BindAll(IcuUnicode& icu) {
  void* common = OpenIcuLibrary(kIcuCommonLibrary);
  return BindIcu(common, TW_ICU_SYMBOL_NAME(u_charType), icu.charType) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(u_isUWhiteSpace), icu.isWhiteSpace) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(u_isgraph), icu.isGraphic) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(u_ispunct), icu.isPunctuation) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(u_getIntPropertyValue), icu.intPropertyValue) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(uscript_getScript), icu.script) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_open), icu.openBreaks) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_close), icu.closeBreaks) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_setText), icu.setBreaksText) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_setUText), icu.setBreaksUText) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_first), icu.firstBreak) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_next), icu.nextBreak) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ubrk_getRuleStatus), icu.breakRuleStatus) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(utext_openUChars), icu.openUnitsText) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(utext_close), icu.closeText);
}

}  // namespace

const IcuUnicode& Icu() {
  static const IcuUnicode bound = [] {
    IcuUnicode icu{};
    if (!BindAll(icu)) {
      const char* why = dlerror();
      std::fprintf(stderr, "tallywright: ICU's library %s cannot be used (%s)\n", kIcuCommonLibrary,
                   why != nullptr ? why : "a function is missing");
      std::fflush(stderr);
      std::_Exit(EXIT_FAILURE);
    }
    return icu;
  }();
  return bound;
}

UniqueBreaks OpenRootBreaks(UBreakIteratorType type) {
  UErrorCode error = U_ZERO_ERROR;
  UniqueBreaks made(Icu().openBreaks(type, "", nullptr, 0, &error));
  return U_SUCCESS(error) ? std::move(made) : nullptr;
}

}  // namespace tw
