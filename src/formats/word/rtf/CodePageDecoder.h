#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>

struct UConverter;

namespace tw {

// Decodes bytes of a Windows code page (1250-1258, 874, the double-byte 932/936/949/950, Mac
// Roman, OEM 437) to UTF-16 through ICU. An unknown code page is read as 1252. Converters are
// opened once per code page and kept for the life of the decoder.
class CodePageDecoder {
 public:
  CodePageDecoder();
  ~CodePageDecoder();
  CodePageDecoder(const CodePageDecoder&) = delete;
  CodePageDecoder& operator=(const CodePageDecoder&) = delete;

  // Appends the decoded bytes to `out`. A double-byte character split across two calls is not
  // joined, so callers hand over whole runs.
  void Decode(int codePage, std::span<const uint8_t> bytes, std::u16string& out);

  // The code page that Windows uses for an RTF \fcharset value, or 0 when the charset defers to
  // the document's code page.
  static int CodePageOfCharset(int charset);

 private:
  struct ConverterClose {
    void operator()(UConverter* converter) const;
  };
  using ConverterPtr = std::unique_ptr<UConverter, ConverterClose>;

  UConverter* Converter(int codePage);

  std::map<int, ConverterPtr> converters_;
};

}  // namespace tw
