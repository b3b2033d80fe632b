// Feeds arbitrary bytes to the Word reader as a .docx file: every input must end in a document or
// in a reason it cannot be read, never in a crash, a hang or a leak. Bytes that are no package
// themselves are wrapped as the main document part of one, so the XML walk is reached without the
// mutator having to keep a ZIP archive whole.
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formats/word/WordReader.h"

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

constexpr char kPackageRels[] =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="r1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

bool IsPackageOrDocument(const uint8_t* data, size_t size) {
  const std::string_view head(reinterpret_cast<const char*>(data), std::min<size_t>(size, 8));
  return head.starts_with("PK\x03\x04") || head.starts_with("\xD0\xCF\x11\xE0") ||
         head.starts_with("{\\rtf");
}

void WriteRaw(const std::string& path, const uint8_t* data, size_t size) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
}

void WriteWrapped(const std::string& path, const uint8_t* data, size_t size) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return;
  zip_file_add(archive, "_rels/.rels",
               zip_source_buffer(archive, kPackageRels, sizeof kPackageRels - 1, 0), 0);
  zip_file_add(archive, "word/document.xml", zip_source_buffer(archive, data, size, 0), 0);
  zip_close(archive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFile file;
  if (IsPackageOrDocument(data, size)) {
    WriteRaw(file.Path(), data, size);
  } else {
    WriteWrapped(file.Path(), data, size);
  }
  // Either outcome is expected; the reader must simply return.
  (void)tw::ReadWordDocument(file.Path());
  return 0;
}
