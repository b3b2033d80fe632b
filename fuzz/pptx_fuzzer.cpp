// Feeds arbitrary bytes to the PowerPoint engine as a .pptx file and walks everything it hands
// out: every input must end in texts or in an AutomationError, never in a crash, a hang or a leak.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "automation/AutomationError.h"
#include "formats/presentation/PowerPointEngine.h"

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

size_t Walk(tw::powerpoint::Shape& shape) {
  size_t units = 0;
  if (shape.Type() == tw::powerpoint::kShapeGroup) {
    const auto items = shape.GroupItems();
    for (int32_t i = 1; i <= items->Count(); ++i) units += Walk(*items->Item(i));
  } else if (shape.HasTable() != 0) {
    const auto table = shape.Table();
    for (int32_t r = 1; r <= table->RowCount(); ++r) {
      for (int32_t c = 1; c <= table->ColumnCount(); ++c)
        units += Walk(*table->Cell(r, c)->Shape());
    }
  } else if (shape.HasTextFrame() != 0 && shape.TextFrame()->HasText() != 0) {
    units += shape.TextFrame()->TextRange()->Text().size();
  }
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  FILE* out = std::fopen(file.Path().c_str(), "wb");
  if (!out) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  try {
    const auto presentation =
        tw::CreatePowerPointEngine()->Presentations()->Open(file.Path(), 0, 0, 1);
    const auto slides = presentation->Slides();
    for (int32_t i = 1; i <= slides->Count(); ++i) {
      const auto slide = slides->Item(i);
      const auto shapes = slide->Shapes();
      for (int32_t j = 1; j <= shapes->Count(); ++j) Walk(*shapes->Item(j));
      slide->HeadersFooters()->Footer()->Text();
    }
    presentation->Close();
  } catch (const tw::AutomationError&) {
    // A file the engine cannot read is an expected outcome.
  }
  return 0;
}
