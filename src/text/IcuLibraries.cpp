#include "text/IcuLibraries.h"

#include <dlfcn.h>

namespace tw {

void* OpenIcuLibrary(const char* file) {
  return dlopen(file, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

bool BindIcuFunction(void* library, const char* name, void*& function) {
  function = library != nullptr ? dlsym(library, name) : nullptr;
  return function != nullptr;
}

}  // namespace tw
