#include "text/IcuConversion.h"

#include <dlfcn.h>
#include <unicode/uvernum.h>

namespace tw {
namespace {

// ICU's headers rename every function after its version (ucnv_open is ucnv_open_72), so the
// name looked up is the one the header's macro makes of it.
#define TW_ICU_SYMBOL_NAME(name) TW_ICU_QUOTE(name)
#define TW_ICU_QUOTE(name) #name

constexpr char kCommonLibrary[] = "libicuuc.so." U_ICU_VERSION_SHORT;
constexpr char kI18nLibrary[] = "libicui18n.so." U_ICU_VERSION_SHORT;

template <class Function>
bool Bind(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Loaded for good: converters and detectors live as long as the program may need them.
void* Open(const char* file) {
  return dlopen(file, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

bool BindAll(IcuConversion& icu) {
  void* common = Open(kCommonLibrary);
  void* i18n = Open(kI18nLibrary);
  if (common == nullptr || i18n == nullptr) return false;
  return Bind(common, TW_ICU_SYMBOL_NAME(ucnv_open), icu.open) &&
         Bind(common, TW_ICU_SYMBOL_NAME(ucnv_close), icu.close) &&
         Bind(common, TW_ICU_SYMBOL_NAME(ucnv_reset), icu.reset) &&
         Bind(common, TW_ICU_SYMBOL_NAME(ucnv_toUnicode), icu.toUnicode) &&
         Bind(common, TW_ICU_SYMBOL_NAME(ucnv_setToUCallBack), icu.setToUCallBack) &&
         Bind(common, TW_ICU_SYMBOL_NAME(ucnv_cbToUWriteUChars), icu.writeUnitsFromCallback) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_open), icu.openDetector) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_close), icu.closeDetector) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_setText), icu.setDetectorText) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_detect), icu.detect) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_getName), icu.matchName) &&
         Bind(i18n, TW_ICU_SYMBOL_NAME(ucsdet_getConfidence), icu.matchConfidence);
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
