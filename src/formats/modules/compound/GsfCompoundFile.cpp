// The compound-file module: libgsf behind the CompoundFileModule entry points, loaded only by a
// program that meets a doc, ppt or xls file.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>

#include "formats/container/CompoundFileSource.h"
#include "formats/container/ContainerError.h"

namespace tw {
namespace {

template <class T>
struct GObjectUnref {
  void operator()(T* object) const {
    if (object != nullptr) g_object_unref(object);
  }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref<T>>;

struct GErrorFree {
  void operator()(GError* error) const { g_error_free(error); }
};

void IgnoreLogMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void InitGsfOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    gsf_init();
    // A damaged file makes libgsf log warnings and failed assertions to stderr; the reader reports
    // the damage itself, as one clear error for that file.
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK & ~G_LOG_LEVEL_ERROR);
    // Some of its messages carry no domain at all.
    for (const char* domain : {"libgsf", "libgsf:msole", static_cast<const char*>(nullptr)}) {
      g_log_set_handler(domain, levels, IgnoreLogMessage, nullptr);
    }
  });
}

// Compound-file directories compare names by folding ASCII letters to upper case; other
// characters must match exactly.
bool SameEntryName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (g_ascii_toupper(a[i]) != g_ascii_toupper(b[i])) return false;
  }
  return true;
}

// Writers disagree on case (a "worddocument" stream opens in every word processor), so an exact
// match is preferred and a case-folded one accepted.
GObjectPtr<GsfInput> OpenChild(GsfInfile* root, const std::string& name) {
  GObjectPtr<GsfInput> exact(gsf_infile_child_by_name(root, name.c_str()));
  if (exact) return exact;
  const int count = gsf_infile_num_children(root);
  for (int i = 0; i < count; ++i) {
    const char* childName = gsf_infile_name_by_index(root, i);
    if (childName != nullptr && SameEntryName(childName, name)) {
      return GObjectPtr<GsfInput>(gsf_infile_child_by_index(root, i));
    }
  }
  return nullptr;
}

// "A/B" names stream B of storage A; each step compares names as OpenChild does.
GObjectPtr<GsfInput> OpenPath(GsfInfile* root, const std::string& path) {
  GObjectPtr<GsfInput> storage;
  GsfInfile* folder = root;
  for (size_t start = 0;;) {
    const size_t slash = path.find('/', start);
    GObjectPtr<GsfInput> child = OpenChild(folder, path.substr(start, slash - start));
    if (!child || slash == std::string::npos) return child;
    if (!GSF_IS_INFILE(child.get())) return nullptr;
    storage = std::move(child);
    folder = GSF_INFILE(storage.get());
    start = slash + 1;
  }
}

class GsfCompoundFile final : public CompoundFileSource {
 public:
  explicit GsfCompoundFile(const std::string& path) {
    InitGsfOnce();
    GError* rawError = nullptr;
    GObjectPtr<GsfInput> input(gsf_input_stdio_new(path.c_str(), &rawError));
    std::unique_ptr<GError, GErrorFree> error(rawError);
    if (!input) {
      throw ContainerError("cannot open file" +
                           (error ? std::string(" (") + error->message + ")" : std::string()));
    }
    rawError = nullptr;
    root_.reset(gsf_infile_msole_new(input.get(), &rawError));
    error.reset(rawError);
    if (!root_) throw ContainerError("not a compound document file");
  }

  bool HasStream(const std::string& name) const override {
    return OpenPath(root_.get(), name) != nullptr;
  }

  std::vector<uint8_t> ReadStream(const std::string& name, uint64_t maxBytes) const override {
    const GObjectPtr<GsfInput> stream = OpenPath(root_.get(), name);
    if (!stream) throw ContainerError("the file has no stream " + name);
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || static_cast<uint64_t>(size) > maxBytes) {
      throw ContainerError("stream " + name + " is larger than allowed");
    }
    std::vector<uint8_t> data(static_cast<size_t>(size));
    if (size > 0 &&
        gsf_input_read(stream.get(), static_cast<size_t>(size), data.data()) == nullptr) {
      throw ContainerError("stream " + name + " cannot be read (damaged file)");
    }
    return data;
  }

 private:
  GObjectPtr<GsfInfile> root_;
};

CompoundFileSource* Open(const std::string& path) {
  return new GsfCompoundFile(path);
}

constexpr CompoundFileModule kModule{Open};

}  // namespace
}  // namespace tw

extern "C" __attribute__((visibility("default"))) const tw::CompoundFileModule*
tw_compound_file_module() {
  return &tw::kModule;
}
