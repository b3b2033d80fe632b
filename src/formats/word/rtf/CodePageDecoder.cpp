#include "formats/word/rtf/CodePageDecoder.h"

#include <algorithm>

#include "text/IcuConversion.h"

namespace tw {
namespace {

std::string IcuName(int codePage) {
  switch (codePage) {
    case 437:
      return "ibm-437";
    case 10000:
      return "macintosh";
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
      return "windows-" + std::to_string(codePage);
    default:
      if (codePage >= 1250 && codePage <= 1258) return "windows-" + std::to_string(codePage);
      return "windows-1252";
  }
}

}  // namespace

void CodePageDecoder::ConverterClose::operator()(UConverter* converter) const {
  if (converter != nullptr) BoundIcuConversion()->close(converter);
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

UConverter* CodePageDecoder::Converter(int codePage) {
  auto found = converters_.find(codePage);
  if (found != converters_.end()) return found->second.get();
  const IcuConversion* icu = BoundIcuConversion();
  if (icu == nullptr) return nullptr;
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(icu->open(IcuName(codePage).c_str(), &status));
  if (U_FAILURE(status)) converter.reset();
  if (!converter) {
    status = U_ZERO_ERROR;
    converter.reset(icu->open("windows-1252", &status));
  }
  UConverter* raw = converter.get();
  converters_.emplace(codePage, std::move(converter));
  return raw;
}

void CodePageDecoder::Decode(int codePage, std::span<const uint8_t> bytes, std::u16string& out) {
  if (bytes.empty()) return;
  UConverter* converter = Converter(codePage);
  if (converter == nullptr) {  // no ICU data at all: keep the bytes as Latin-1
    out.append(bytes.begin(), bytes.end());
    return;
  }
  const IcuConversion* icu = BoundIcuConversion();
  icu->reset(converter);
  // Converted a slice at a time, the converter carrying a double-byte character across slices,
  // so a long run never needs more than one slice of spare room.
  constexpr size_t kSlice = size_t{1} << 16;
  const char* source = reinterpret_cast<const char*>(bytes.data());
  const char* const sourceEnd = source + bytes.size();
  while (source < sourceEnd) {
    const char* const sliceEnd = source + std::min<size_t>(kSlice, sourceEnd - source);
    const size_t start = out.size();
    // A byte never decodes to more than two UTF-16 units in these code pages.
    out.resize(start + 2 * static_cast<size_t>(sliceEnd - source) + 2);
    UChar* target = out.data() + start;
    UErrorCode status = U_ZERO_ERROR;
    icu->toUnicode(converter, &target, out.data() + out.size(), &source, sliceEnd, nullptr,
                   sliceEnd == sourceEnd, &status);
    out.resize(static_cast<size_t>(target - out.data()));
    if (U_FAILURE(status)) return;
  }
}

int CodePageDecoder::CodePageOfCharset(int charset) {
  switch (charset) {
    case 0:
      return 1252;
    case 77:
      return 10000;
    case 128:
      return 932;
    case 129:
      return 949;
    case 134:
      return 936;
    case 136:
      return 950;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    case 255:
      return 437;
    default:
      return 0;
  }
}

}  // namespace tw
