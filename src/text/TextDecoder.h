#pragma once

#include <optional>
#include <span>

#include "text/LegacyDecoder.h"
#include "text/TextDecoding.h"
#include "text/Utf16Decoder.h"
#include "text/Utf8Decoder.h"

namespace tw {

// Decodes a text in any of the encodings a plan names, handed over in pieces; Bytes hands every
// byte over as the code point of its value.
class TextDecoder {
 public:
  explicit TextDecoder(const DetectedEncoding& encoding)
      : encoding_(encoding.encoding), utf16_(encoding.encoding == TextEncoding::Utf16LE) {
    if (encoding_ == TextEncoding::Legacy) legacy_.emplace(encoding.charset);
  }

  template <class Sink>
  void Feed(std::span<const uint8_t> bytes, Sink&& sink) {
    switch (encoding_) {
      case TextEncoding::Bytes:
        for (uint8_t b : bytes) sink(static_cast<char32_t>(b));
        return;
      case TextEncoding::Utf8:
        return utf8_.Feed(bytes, sink);
      case TextEncoding::Utf16LE:
      case TextEncoding::Utf16BE:
        return utf16_.Feed(bytes, sink);
      case TextEncoding::Legacy:
        return legacy_->Feed(bytes, sink);
    }
  }

  template <class Sink>
  void Finish(Sink&& sink) {
    switch (encoding_) {
      case TextEncoding::Bytes:
        return;
      case TextEncoding::Utf8:
        return utf8_.Finish(sink);
      case TextEncoding::Utf16LE:
      case TextEncoding::Utf16BE:
        return utf16_.Finish(sink);
      case TextEncoding::Legacy:
        return legacy_->Finish(sink);
    }
  }

 private:
  TextEncoding encoding_;
  Utf8Decoder utf8_;
  Utf16Decoder utf16_;
  std::optional<LegacyDecoder> legacy_;
};

}  // namespace tw
