#include "text/CharsetDetection.h"

#include <array>
#include <memory>
#include <string_view>

#include "text/IcuConversion.h"

namespace tw {
namespace {

// Below this the detector is guessing: Latin-1 and windows-1252 text scores 10-30 for the CJK
// charsets, while a paragraph of real CJK text scores 90-100 and a short ISO-2022 text 70.
constexpr int32_t kMinimumConfidence = 50;

constexpr std::array<std::string_view, 8> kMultiByteCharsets = {
    "Shift_JIS", "EUC-JP", "EUC-KR", "Big5", "GB18030", "ISO-2022-JP", "ISO-2022-KR", "ISO-2022-CN",
};

struct DetectorCloser {
  void operator()(UCharsetDetector* detector) const {
    BoundIcuConversion()->closeDetector(detector);
  }
};

}  // namespace

std::string DetectMultiByteCharset(std::span<const uint8_t> sample) {
  const IcuConversion* icu = BoundIcuConversion();
  if (icu == nullptr) return {};
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<UCharsetDetector, DetectorCloser> detector(icu->openDetector(&error));
  if (U_FAILURE(error)) return {};
  icu->setDetectorText(detector.get(), reinterpret_cast<const char*>(sample.data()),
                       static_cast<int32_t>(sample.size()), &error);
  const UCharsetMatch* match = icu->detect(detector.get(), &error);
  if (U_FAILURE(error) || match == nullptr) return {};
  const int32_t confidence = icu->matchConfidence(match, &error);
  const char* name = icu->matchName(match, &error);
  if (U_FAILURE(error) || name == nullptr || confidence < kMinimumConfidence) return {};
  for (std::string_view known : kMultiByteCharsets) {
    if (known == name) return std::string(known);
  }
  return {};
}

}  // namespace tw
