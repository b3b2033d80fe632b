#include "formats/isolation/ReaderLocator.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "formats/ReadResult.h"

// Set by the build (src/formats/CMakeLists.txt).
#ifndef TW_READER_HELPER_NAME
#error "TW_READER_HELPER_NAME must name the helper program"
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;

constexpr char kOverrideVariable[] = "TALLYWRIGHT_READER";

bool IsProgram(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

std::vector<fs::path> Candidates() {
  std::vector<fs::path> candidates;
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    candidates.push_back(self.parent_path() / TW_READER_HELPER_NAME);
    candidates.push_back((self.parent_path() / TW_READER_HELPER_FROM_BINDIR / TW_READER_HELPER_NAME)
                             .lexically_normal());
  }
  candidates.emplace_back(TW_READER_HELPER_INSTALLED);
  candidates.emplace_back(TW_READER_HELPER_BUILT);
  return candidates;
}

}  // namespace

std::string FindReaderProgram() {
  if (const char* chosen = std::getenv(kOverrideVariable); chosen != nullptr && *chosen != '\0') {
    if (IsProgram(chosen)) return chosen;
    throw ReaderError(std::string(kOverrideVariable) +
                      " names no program that can be run: " + chosen);
  }
  std::string looked;
  for (const fs::path& candidate : Candidates()) {
    if (IsProgram(candidate)) return candidate.string();
    looked += (looked.empty() ? "" : ", ") + candidate.string();
  }
  throw ReaderError("the reader program " TW_READER_HELPER_NAME " is missing (looked for " +
                    looked + ")");
}

}  // namespace tw
