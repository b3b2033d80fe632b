#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "text/TextDecoding.h"

namespace tw {

// Decodes UTF-8 handed over in pieces exactly as if it came in one: a sequence cut by a piece's
// edge is completed from the next piece. Bytes that form no valid sequence are handed over one by
// one as U+0080-U+00FF, so they are judged as the byte they are.
class Utf8Decoder {
 public:
  template <class Sink>
  void Feed(std::span<const uint8_t> bytes, Sink&& sink) {
    const uint8_t* p = bytes.data();
    const uint8_t* end = p + bytes.size();
    if (pendingLength_ > 0) {
      // At most three bytes wait, and no sequence is longer than four, so four more bytes
      // always finish the ones that start among the waiting bytes.
      const size_t take = std::min<size_t>(bytes.size(), 4);
      if (take > 0) std::memcpy(pending_ + pendingLength_, p, take);
      const size_t joined = pendingLength_ + take;
      const uint8_t* stop =
          Run(pending_, pending_ + joined, pending_ + pendingLength_, false, sink);
      const size_t used = static_cast<size_t>(stop - pending_);
      if (used < pendingLength_) {  // the piece was too short to finish the sequence
        std::memmove(pending_, stop, joined - used);
        pendingLength_ = joined - used;
        return;
      }
      p += used - pendingLength_;
      pendingLength_ = 0;
    }
    const uint8_t* stop = Run(p, end, end, false, sink);
    pendingLength_ = static_cast<size_t>(end - stop);
    if (pendingLength_ > 0) std::memcpy(pending_, stop, pendingLength_);
  }

  template <class Sink>
  void Finish(Sink&& sink) {
    Run(pending_, pending_ + pendingLength_, pending_ + pendingLength_, true, sink);
    pendingLength_ = 0;
  }

  // Whether a byte formed no valid sequence so far.
  bool SawInvalid() const { return invalid_; }
  // Whether part of a sequence waits for the next piece.
  bool Pending() const { return pendingLength_ > 0; }
  // Whether a valid multi-byte sequence was seen so far.
  bool SawMultiByte() const { return multiByte_; }

 private:
  // Decodes the sequences that start before `stop`; without `final`, stops at a sequence that
  // the bytes up to `end` do not finish, and returns where it stopped.
  // A sink that counts runs of whole windows itself (TakeUtf8Run) is offered the bytes again
  // a window after each time it declined them.
  static constexpr size_t kRunRetryBytes = 32;

  template <class Sink>
  const uint8_t* Run(const uint8_t* p, const uint8_t* end, const uint8_t* stop, bool final,
                     Sink& sink) {
    [[maybe_unused]] const uint8_t* offerAt = p;
    while (p < stop) {
      if constexpr (requires { sink.TakeUtf8Run(p, size_t{}, multiByte_); }) {
        if (p >= offerAt) {
          const size_t taken = sink.TakeUtf8Run(p, static_cast<size_t>(stop - p), multiByte_);
          p += taken;
          offerAt = p + kRunRetryBytes;
          if (p == stop) break;
        }
      }
      const uint8_t lead = *p;
      if (lead < 0x80) {
        sink(static_cast<char32_t>(lead));
        ++p;
        continue;
      }
      const size_t available = static_cast<size_t>(end - p);
      // The common two- and three-byte letters, which no check below could refuse.
      if (lead >= 0xC2 && lead <= 0xDF && available >= 2 && (p[1] & 0xC0) == 0x80) {
        multiByte_ = true;
        sink((static_cast<char32_t>(lead & 0x1F) << 6) | (p[1] & 0x3F));
        p += 2;
        continue;
      }
      if (lead >= 0xE1 && lead <= 0xEC && available >= 3 && ((p[1] & p[2]) & 0xC0) == 0x80 &&
          ((p[1] | p[2]) & 0x40) == 0) {
        multiByte_ = true;
        sink((static_cast<char32_t>(lead & 0x0F) << 12) |
             (static_cast<char32_t>(p[1] & 0x3F) << 6) | (p[2] & 0x3F));
        p += 3;
        continue;
      }
      if (!final && Utf8SequenceLength(lead) > available) return p;
      char32_t cp = 0;
      const size_t length = DecodeUtf8Sequence(p, available, &cp);
      if (length == 0) {
        invalid_ = true;
        sink(static_cast<char32_t>(lead));
        ++p;
      } else {
        multiByte_ = true;
        sink(cp);
        p += length;
      }
    }
    return p;
  }

  uint8_t pending_[8] = {};
  size_t pendingLength_ = 0;
  bool invalid_ = false;
  bool multiByte_ = false;
};

}  // namespace tw
