#include "formats/common/TextFile.h"

#include <span>

#include "formats/ReadResult.h"
#include "formats/container/ContainerError.h"
#include "formats/container/XmlPart.h"
#include "text/RegularFile.h"
#include "text/TextDecoding.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

std::string ReadBytes(const std::string& path, const ContainerLimits& limits) {
  RegularFile file;
  if (!file.Open(path)) throw ReaderError("The file could not be opened: " + path);
  if (file.Size() > limits.maxEntryBytes) throw ReaderError("The file is too large: " + path);
  std::string bytes(static_cast<size_t>(file.Size()), '\0');
  const long got = file.ReadFully(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
  if (got < 0) throw ReaderError("The file could not be read: " + path);
  bytes.resize(static_cast<size_t>(got));
  return bytes;
}

// Windows-1252's characters for 0x80-0x9F; the rest of the bytes are Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u16string Utf16Units(std::span<const uint8_t> bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = bytes[i];
    const unsigned second = bytes[i + 1];
    text.push_back(
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return text;
}

std::string LegacyToUtf8(std::span<const uint8_t> bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const uint8_t byte : bytes) {
    text.push_back(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
  }
  return Utf16ToUtf8(text);
}

bool IsValidUtf8(std::span<const uint8_t> bytes) {
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    char32_t cp = 0;
    const size_t length = DecodeUtf8Sequence(bytes.data() + i, bytes.size() - i, &cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace

std::string ReadTextFileUtf8(const std::string& path, const ContainerLimits& limits) {
  std::string text = DecodedText(ReadBytes(path, limits));
  // A text format never holds a NUL: such a file is binary or damaged.
  if (text.find('\0') != std::string::npos) {
    throw ContainerError("binary data where text was expected");
  }
  return text;
}

std::string DecodedText(std::string bytes) {
  const std::span<const uint8_t> view(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  if (view.size() >= 3 && view[0] == 0xEF && view[1] == 0xBB && view[2] == 0xBF) {
    return bytes.substr(3);
  }
  if (view.size() >= 2 && view[0] == 0xFF && view[1] == 0xFE) {
    return Utf16ToUtf8(Utf16Units(view.subspan(2), false));
  }
  if (view.size() >= 2 && view[0] == 0xFE && view[1] == 0xFF) {
    return Utf16ToUtf8(Utf16Units(view.subspan(2), true));
  }
  return IsValidUtf8(view) ? bytes : LegacyToUtf8(view);
}

void LoadXmlFile(pugi::xml_document& document, const std::string& path,
                 const ContainerLimits& limits, bool keepBlankText) {
  ParseXmlPart(document, ReadTextFileUtf8(path, limits), path, keepBlankText);
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (true) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace tw
