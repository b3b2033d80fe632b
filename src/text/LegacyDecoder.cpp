#include "text/LegacyDecoder.h"

#include "text/IcuConversion.h"

namespace tw {
namespace {

constexpr int32_t kMaxSequence = 32;  // ICU never holds more bytes of one sequence

// Hands every byte of an ill-formed or unmapped sequence over as the code point of its value.
void EachByteAsItself(const void*, UConverterToUnicodeArgs* args, const char* codeUnits,
                      int32_t length, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close and clone need nothing
  UChar units[kMaxSequence];
  int32_t count = 0;
  for (int32_t i = 0; i < length && count < kMaxSequence; ++i) {
    units[count++] = static_cast<UChar>(static_cast<uint8_t>(codeUnits[i]));
  }
  *error = U_ZERO_ERROR;
  BoundIcuConversion()->writeUnitsFromCallback(args, units, count, 0, error);
}

}  // namespace

void LegacyDecoder::ConverterCloser::operator()(UConverter* converter) const {
  BoundIcuConversion()->close(converter);
}

LegacyDecoder::LegacyDecoder(const std::string& charset) {
  const IcuConversion* icu = BoundIcuConversion();
  if (icu == nullptr) return;
  UErrorCode error = U_ZERO_ERROR;
  converter_.reset(icu->open(charset.c_str(), &error));
  if (U_FAILURE(error)) {
    converter_.reset();
    return;
  }
  icu->setToUCallBack(converter_.get(), EachByteAsItself, nullptr, nullptr, nullptr, &error);
  if (U_FAILURE(error)) converter_.reset();
}

LegacyDecoder::LegacyDecoder(LegacyDecoder&&) noexcept = default;
LegacyDecoder& LegacyDecoder::operator=(LegacyDecoder&&) noexcept = default;
LegacyDecoder::~LegacyDecoder() = default;

size_t LegacyDecoder::Convert(const uint8_t** source, const uint8_t* end, bool flush, bool* more) {
  UChar* target = reinterpret_cast<UChar*>(units_.data());
  UChar* const targetStart = target;
  const char* from = reinterpret_cast<const char*>(*source);
  UErrorCode error = U_ZERO_ERROR;
  BoundIcuConversion()->toUnicode(converter_.get(), &target, targetStart + units_.size(), &from,
                                  reinterpret_cast<const char*>(end), nullptr, flush, &error);
  *source = reinterpret_cast<const uint8_t*>(from);
  *more = error == U_BUFFER_OVERFLOW_ERROR;
  return static_cast<size_t>(target - targetStart);
}

}  // namespace tw
