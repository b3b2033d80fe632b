// Feeds arbitrary text to the parsers of the plain-text formats (gettext, subtitles, Markdown,
// JSON, CSV and TSV): each must give a document or its one error type, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/container/ContainerError.h"
#include "formats/delimited/DelimitedReader.h"
#include "formats/json/JsonReader.h"
#include "formats/markdown/MarkdownReader.h"
#include "formats/po/PoReader.h"
#include "formats/subtitle/SubtitleReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)tw::ParsePo(text);
  (void)tw::ParseMarkdown(text);
  (void)tw::ParseDelimited(text, ',');
  (void)tw::ParseDelimited(text, '\t');
  try {
    (void)tw::ParseSubtitles(text);
  } catch (const tw::ContainerError&) {
  }
  try {
    (void)tw::ParseJson(text);
  } catch (const tw::ContainerError&) {
  }
  return 0;
}
