#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace tw {

// A module of this program's own that is missing or cannot be loaded; the message says which and
// where it was looked for.
class ModuleMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One of this program's own shared modules, loaded when first needed. The libraries behind a few
// formats (poppler for PDF, libgsf for compound files) take longer to load than a small file takes
// to count, so the programs start without them and load them only when they meet such a file.
class LoadableModule {
 public:
  // Loads libNAME.so from the module folder: beside an installed program (relative to the running
  // program first, then under the configured prefix), then in the build tree. Throws
  // ModuleMissing.
  explicit LoadableModule(const std::string& name);

  // The module's table of entry points, which its function `entry` hands out.
  template <class Table>
  const Table& EntryTable(const char* entry) const {
    using Getter = const Table* (*)();
    return *reinterpret_cast<Getter>(Symbol(entry))();
  }

 private:
  void* Symbol(const char* name) const;

  struct Close {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Close> handle_;
  std::string path_;
};

}  // namespace tw
