#include "formats/common/LoadableModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

// Set by the build (src/formats/CMakeLists.txt).
#ifndef TW_MODULE_DIR_INSTALLED
#error "TW_MODULE_DIR_INSTALLED must name the installed module folder"
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Folders() {
  std::vector<fs::path> folders;
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    // The programs live in bin, the reader helper in its libexec folder.
    for (const char* relative : {TW_MODULE_DIR_FROM_BINDIR, TW_MODULE_DIR_FROM_HELPERDIR}) {
      folders.push_back((self.parent_path() / relative).lexically_normal());
    }
  }
  folders.emplace_back(TW_MODULE_DIR_INSTALLED);
  folders.emplace_back(TW_MODULE_DIR_BUILT);
  return folders;
}

}  // namespace

void LoadableModule::Close::operator()(void* handle) const {
  dlclose(handle);
}

LoadableModule::LoadableModule(const std::string& name) {
  const std::string file = "lib" + name + ".so";
  std::string looked;
  for (const fs::path& folder : Folders()) {
    const fs::path candidate = folder / file;
    std::error_code error;
    if (!fs::is_regular_file(candidate, error)) {
      looked += (looked.empty() ? "" : ", ") + folder.string();
      continue;
    }
    // Symbols are bound as the module loads, so a broken module fails here and not mid-document.
    // A module stays mapped to the end of the process: the libraries behind it keep state (GLib's
    // type system) that outlives any handle, and the leak checker must still name their frames.
    handle_.reset(dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
    if (!handle_)
      throw ModuleMissing("the module " + candidate.string() + " cannot be loaded (" + dlerror() +
                          ")");
    path_ = candidate.string();
    return;
  }
  throw ModuleMissing("the module " + file + " is missing (looked in " + looked + ")");
}

void* LoadableModule::Symbol(const char* name) const {
  void* symbol = dlsym(handle_.get(), name);
  if (symbol == nullptr) throw ModuleMissing("the module " + path_ + " has no " + name);
  return symbol;
}

}  // namespace tw
