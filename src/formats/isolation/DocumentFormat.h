#pragma once

#include <cstdint>
#include <string>

#include "formats/ReadResult.h"
#include "formats/pdf/PdfReader.h"

namespace tw {

// Which reader reads a file: the reading side names it, in this process or in a reader helper.
enum class DocumentFormat : uint8_t {
  Word,
  Presentation,
  Pdf,
  Spreadsheet,
  XliffSource,
  XliffTarget,
  Po,
  Subtitle,
  Markdown,
  Csv,
  Tsv,
  Json,
  Epub,
  Idml,
  Xml,
};
inline constexpr uint32_t kDocumentFormatCount = static_cast<uint32_t>(DocumentFormat::Xml) + 1;

// Reads `path` with the reader of `format` in this process. PDF pages go to `pages` one by one
// when it is given; other formats ignore it.
ReadResult ReadInThisProcess(DocumentFormat format, const std::string& path,
                             const StopFlag* stop = nullptr, const PageSink& pages = {});

}  // namespace tw
