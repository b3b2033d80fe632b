#pragma once

#include <unicode/uvernum.h>

// Binding ICU's functions by name, for the parts of the programs that load ICU only when a text
// first needs it. ICU's headers rename every function after its version (u_charType is
// u_charType_72), so the name looked up is the one the header's macro makes of it.
#define TW_ICU_SYMBOL_NAME(name) TW_ICU_QUOTE(name)
#define TW_ICU_QUOTE(name) #name

namespace tw {

inline constexpr char kIcuCommonLibrary[] = "libicuuc.so." U_ICU_VERSION_SHORT;
inline constexpr char kIcuI18nLibrary[] = "libicui18n.so." U_ICU_VERSION_SHORT;

// Loads one of ICU's libraries for good (what is bound from it lives as long as the program), or
// binds to the copy the program has loaded already; null when it cannot be loaded.
void* OpenIcuLibrary(const char* file);

// Binds `function` to `name` in `library`; false when it has none.
bool BindIcuFunction(void* library, const char* name, void*& function);

template <class Function>
bool BindIcu(void* library, const char* name, Function& function) {
  void* bound = nullptr;
  if (!BindIcuFunction(library, name, bound)) return false;
  function = reinterpret_cast<Function>(bound);
  return true;
}

}  // namespace tw
