#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tw {

// Decodes UTF-16 handed over in pieces exactly as if it came in one: a unit or a surrogate pair
// cut by a piece's edge is completed from the next piece. A lone surrogate is handed over as it
// is, and an odd last byte as the code point of its value.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(bool littleEndian) : little_(littleEndian) {}

  template <class Sink>
  void Feed(std::span<const uint8_t> bytes, Sink&& sink) {
    size_t i = 0;
    if (hasOddByte_ && !bytes.empty()) {
      const uint8_t pair[2] = {oddByte_, bytes[0]};
      hasOddByte_ = false;
      Unit(UnitAt(pair), sink);
      i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2) Unit(UnitAt(&bytes[i]), sink);
    if (i < bytes.size()) {
      oddByte_ = bytes[i];
      hasOddByte_ = true;
    }
  }

  template <class Sink>
  void Finish(Sink&& sink) {
    if (high_ != 0) sink(high_);
    high_ = 0;
    if (hasOddByte_) sink(static_cast<char32_t>(oddByte_));
    hasOddByte_ = false;
  }

 private:
  char32_t UnitAt(const uint8_t* q) const {
    return little_ ? static_cast<char32_t>(q[0] | (q[1] << 8))
                   : static_cast<char32_t>((q[0] << 8) | q[1]);
  }

  template <class Sink>
  void Unit(char32_t unit, Sink& sink) {
    if (high_ != 0) {
      const char32_t high = high_;
      high_ = 0;
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        sink(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        return;
      }
      sink(high);
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_ = unit;
    } else {
      sink(unit);
    }
  }

  bool little_;
  char32_t high_ = 0;
  uint8_t oddByte_ = 0;
  bool hasOddByte_ = false;
};

}  // namespace tw
