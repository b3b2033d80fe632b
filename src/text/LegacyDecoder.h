#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct UConverter;

namespace tw {

// Decodes text in a legacy charset handed over in pieces; the converter keeps a character or a
// shift state cut by a piece's edge. Bytes that form no character of the charset are handed over
// one by one as U+0000-U+00FF, so they are judged as the byte they are.
class LegacyDecoder {
 public:
  explicit LegacyDecoder(const std::string& charset);
  LegacyDecoder(LegacyDecoder&&) noexcept;
  LegacyDecoder& operator=(LegacyDecoder&&) noexcept;
  ~LegacyDecoder();

  // Whether ICU knows the charset; an unknown one decodes every byte as itself.
  bool Known() const { return converter_ != nullptr; }

  template <class Sink>
  void Feed(std::span<const uint8_t> bytes, Sink&& sink) {
    Decode(bytes, false, sink);
  }
  template <class Sink>
  void Finish(Sink&& sink) {
    Decode({}, true, sink);
    if (pendingHigh_ != 0) sink(static_cast<char32_t>(pendingHigh_));
    pendingHigh_ = 0;
  }

 private:
  struct ConverterCloser {
    void operator()(UConverter* converter) const;
  };

  // Converts from `*source` until the unit buffer is full or the bytes are used up; returns the
  // number of units made and whether the converter holds more.
  size_t Convert(const uint8_t** source, const uint8_t* end, bool flush, bool* more);

  template <class Sink>
  void Decode(std::span<const uint8_t> bytes, bool flush, Sink& sink) {
    const uint8_t* p = bytes.data();
    const uint8_t* end = p + bytes.size();
    if (!Known()) {
      for (; p < end; ++p) sink(static_cast<char32_t>(*p));
      return;
    }
    bool more = true;
    while (more) {
      const size_t made = Convert(&p, end, flush, &more);
      for (size_t i = 0; i < made; ++i) Emit(units_[i], sink);
    }
  }

  template <class Sink>
  void Emit(char16_t unit, Sink& sink) {
    if (pendingHigh_ != 0) {
      const char32_t high = pendingHigh_;
      pendingHigh_ = 0;
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        sink(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        return;
      }
      sink(high);
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      pendingHigh_ = unit;
    } else {
      sink(static_cast<char32_t>(unit));
    }
  }

  std::unique_ptr<UConverter, ConverterCloser> converter_;
  std::array<char16_t, 4096> units_{};
  char16_t pendingHigh_ = 0;
};

}  // namespace tw
