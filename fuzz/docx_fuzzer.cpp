// Feeds arbitrary bytes to the Word engine as a .docx file: every input must end in a count or in
// an AutomationError, never in a crash, a hang or a leak.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "automation/AutomationError.h"
#include "automation/word/WordEngine.h"

namespace {

// A temporary file named for this process, removed when the run ends.
class FuzzFile {
 public:
  FuzzFile() : path_("/tmp/docx_fuzzer_" + std::to_string(getpid()) + ".docx") {}
  ~FuzzFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void Count(tw::word::Documents& documents, const std::string& path) {
  tw::word::OpenArguments arguments;
  arguments.fileName = path;
  documents.Open(arguments);
  const auto document = documents.Item(1);
  document->ComputeStatistics(tw::word::kStatisticWords, 1);
  const auto sections = document->Sections();
  for (int32_t i = 1; i <= sections->Count(); ++i) {
    sections->Item(i)->Headers()->Item(1)->Range()->ComputeStatistics(0);
  }
  const auto shapes = document->Shapes();
  const int32_t count = shapes->Count();
  for (int32_t i = 1; i <= count; ++i) {
    const auto shape = shapes->Item(i);
    if (shape->Type() == 6) shape->Ungroup();
  }
  for (int32_t i = 1; i <= shapes->Count(); ++i) {
    if (auto frame = shapes->Item(i)->TextFrame()) frame->TextRange()->ComputeStatistics(5);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  FILE* out = std::fopen(file.Path().c_str(), "wb");
  if (!out) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  const auto application = tw::CreateWordEngine();
  const auto documents = application->Documents();
  try {
    Count(*documents, file.Path());
  } catch (const tw::AutomationError&) {
    // A file the engine cannot read is an expected outcome.
  }
  documents->Close(0, 0, 0);
  return 0;
}
