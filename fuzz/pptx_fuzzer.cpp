// Feeds arbitrary bytes to the presentation reader as a file and walks every piece it hands out:
// every input must end in a document or in a reader error, never in a crash, a hang or a leak.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "formats/presentation/PresentationReader.h"

namespace {

// A temporary file named for this process, removed when the run ends.
class FuzzFile {
 public:
  FuzzFile() : path_("/tmp/pptx_fuzzer_" + std::to_string(getpid()) + ".pptx") {}
  ~FuzzFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  FILE* out = std::fopen(file.Path().c_str(), "wb");
  if (!out) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  const tw::ReadResult result = tw::ReadPresentation(file.Path());
  if (!result.Ok()) return 0;
  size_t units = 0;
  for (const tw::TextPiece& piece : result.Doc().pieces) units += piece.text.size();
  (void)units;
  return 0;
}
