#include "formats/word/rtf/RtfReader.h"

#include <string_view>

#include "formats/ReadResult.h"
#include "formats/container/ContainerLimits.h"
#include "formats/word/rtf/RtfParser.h"
#include "text/RegularFile.h"
#include "text/WholeFileReader.h"

namespace tw {

Document ReadRtfDocument(const std::string& path) {
  RegularFile file;
  if (!file.Open(path)) {
    throw ReaderError("The file could not be opened: " + path + " (" +
                      RegularFile::OpenFailureReason(path) + ")");
  }
  // Checked before reading, so a huge file is refused without being loaded.
  if (file.Size() > ContainerLimits{}.maxEntryBytes) {
    throw ReaderError("The document is too large to open: " + path);
  }
  WholeFileReader reader;
  if (reader.Read(file) != ReadStatus::Ok) {
    throw ReaderError("The file could not be read: " + path);
  }
  const std::span<const uint8_t> bytes = reader.Bytes();
  try {
    RtfParser parser;
    return parser.Parse(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const RtfError& error) {
    throw ReaderError("The document is damaged (" + std::string(error.what()) + "): " + path);
  }
}

}  // namespace tw
