#include "store/KeyValueFile.h"

#include "store/AtomicFileWriter.h"
#include "text/Utf16Text.h"
#include "text/WholeFileReader.h"

namespace tw {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr std::u16string_view kLineEnd = u"\r\n";

std::u16string DecodeUtf16Le(std::span<const uint8_t> bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return text;
}

// The first line start: the text's start, or just after a leading byte-order mark.
size_t FirstLineStart(std::u16string_view text) {
  return !text.empty() && text[0] == kByteOrderMark ? 1 : 0;
}

// Index of the first line that starts with `head` and is followed by `next` (or, when
// `endMayFollow`, by the end of the text); npos when there is none.
size_t FindLineStartingWith(std::u16string_view text, std::u16string_view head,
                            std::u16string_view next, bool endMayFollow) {
  if (head.empty()) return std::u16string_view::npos;
  size_t start = FirstLineStart(text);
  while (start <= text.size()) {
    const std::u16string_view rest = text.substr(start);
    if (rest.starts_with(head)) {
      const std::u16string_view after = rest.substr(head.size());
      if (after.starts_with(next) || (endMayFollow && after.empty())) return start;
    }
    const size_t lineEnd = text.find(kLineEnd, start);
    if (lineEnd == std::u16string_view::npos) break;
    start = lineEnd + kLineEnd.size();
  }
  return std::u16string_view::npos;
}

}  // namespace

int KeyValueFile::Load(const std::string& path) {
  WholeFileReader reader;
  if (reader.Read(path) != ReadStatus::Ok) return -1;
  text_ = DecodeUtf16Le(reader.Bytes());
  return 0;
}

int KeyValueFile::Save(const std::string& path) const {
  if (text_.empty()) return -1;
  return WriteFileAtomically(path, Utf16LeBytes(text_)) ? 0 : -1;
}

size_t KeyValueFile::FindKeyLine(std::u16string_view key) const {
  return FindLineStartingWith(text_, key, u"=", false);
}

bool KeyValueFile::HasKey(std::u16string_view key) const {
  return FindKeyLine(key) != std::u16string::npos;
}

std::u16string KeyValueFile::GetValue(std::u16string_view key) const {
  const size_t line = FindKeyLine(key);
  if (line == std::u16string::npos) return {};
  const size_t valueStart = line + key.size() + 1;
  const size_t valueEnd = text_.find(u'\r', valueStart);
  // A last line without its CR LF gives no value.
  if (valueEnd == std::u16string::npos) return {};
  return text_.substr(valueStart, valueEnd - valueStart);
}

void KeyValueFile::SetValue(std::u16string_view key, std::u16string_view value,
                            std::u16string_view section) {
  // A carriage return would end the line early and could forge further lines (a folder name may
  // hold one on this platform), so such a value is not stored at all.
  for (std::u16string_view part : {key, value, section}) {
    if (part.find(u'\r') != std::u16string_view::npos) return;
  }
  if (HasKey(key)) return;
  std::u16string line;
  line.append(key).append(u"=").append(value).append(kLineEnd);
  if (section.empty()) {
    text_ += line;
    return;
  }
  std::u16string header;
  header.append(u"[").append(section).append(u"]");
  // The header counts only as a whole line, so a value that happens to hold "[name]" is never
  // split by an insertion.
  const size_t headerLine = FindLineStartingWith(text_, header, kLineEnd, true);
  if (headerLine == std::u16string::npos) {
    text_.append(kLineEnd).append(header).append(kLineEnd).append(line);
    return;
  }
  const size_t afterHeader = headerLine + header.size();
  if (afterHeader == text_.size()) {
    text_.append(kLineEnd).append(line);
    return;
  }
  // Directly after the header's CR LF: later keys stand before the section's earlier ones.
  text_.insert(afterHeader + kLineEnd.size(), line);
}

std::string KeyValueFile::GetValue(std::string_view key) const {
  return Utf16ToUtf8(GetValue(std::u16string_view(Utf8ToUtf16(key))));
}

void KeyValueFile::SetValue(std::string_view key, std::string_view value,
                            std::string_view section) {
  SetValue(std::u16string_view(Utf8ToUtf16(key)), std::u16string_view(Utf8ToUtf16(value)),
           std::u16string_view(Utf8ToUtf16(section)));
}

}  // namespace tw
