#include "text/IcuConversion.h"

#include "text/IcuLibraries.h"

namespace tw {
namespace {

bool BindAll(IcuConversion& icu) {
  void* common = OpenIcuLibrary(kIcuCommonLibrary);
  void* i18n = OpenIcuLibrary(kIcuI18nLibrary);
  if (common == nullptr || i18n == nullptr) return false;
  return BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_open), icu.open) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_close), icu.close) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_reset), icu.reset) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_toUnicode), icu.toUnicode) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_setToUCallBack), icu.setToUCallBack) &&
         BindIcu(common, TW_ICU_SYMBOL_NAME(ucnv_cbToUWriteUChars), icu.writeUnitsFromCallback) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_open), icu.openDetector) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_close), icu.closeDetector) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_setText), icu.setDetectorText) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_detect), icu.detect) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_getName), icu.matchName) &&
         BindIcu(i18n, TW_ICU_SYMBOL_NAME(ucsdet_getConfidence), icu.matchConfidence);
}

}  // namespace

const IcuConversion* BoundIcuConversion() {
  static const IcuConversion* const bound = [] {
    static IcuConversion icu{};
    return BindAll(icu) ? &icu : nullptr;
  }();
  return bound;
}

}  // namespace tw
