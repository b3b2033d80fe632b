#pragma once

#include <cstdint>
#include <span>
#include <utility>

#include "counting/CountTotals.h"
#include "counting/ProfileScanner.h"
#include "text/Windows1252.h"

namespace tw {

// What TextScanStream needs to count a text under a profile other than classic. Text that is
// not decoded (no mark, not UTF-8, no legacy multi-byte charset) is Windows-1252, as a word
// processor opens it.
struct ProfileTextPolicy {
  class Bytes {
   public:
    explicit Bytes(CountProfile profile) : scanner_(profile) {}
    void Feed(std::span<const uint8_t> piece) {
      for (const uint8_t byte : piece) scanner_.Feed(Windows1252CodePoint(byte));
    }
    FileCounts Finish() { return scanner_.Finish(); }
    const ProfileScanner& Scanner() const { return scanner_; }

   private:
    ProfileScanner scanner_;
  };

  class Points {
   public:
    explicit Points(ProfileScanner scanner) : scanner_(std::move(scanner)) {}
    void operator()(char32_t cp) { scanner_.Feed(cp); }
    FileCounts Finish() { return scanner_.Finish(); }

   private:
    ProfileScanner scanner_;
  };

  Bytes MakeBytes() const { return Bytes(profile); }
  Points MakePoints() const { return Points(ProfileScanner(profile)); }
  // Up to a text's first byte above 0x7F both readings agree, so the scan carries on as it is.
  Points ContinueByCodePoint(const Bytes& bytes) const { return Points(bytes.Scanner()); }

  CountProfile profile = CountProfile::Word;
};

}  // namespace tw
