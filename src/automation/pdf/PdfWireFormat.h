#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "automation/pdf/PdfTextItems.h"

namespace tw {

// What the helper process sends back: a header (whether the document opened, its page count),
// then each page's text items in page order. The reader trusts nothing it receives.
class PdfWireFormat {
 public:
  // Fills `size` bytes at `into`, or returns false when the sender has nothing more.
  using ByteSource = std::function<bool(void* into, size_t size)>;

  struct Header {
    bool opened = false;
    int32_t pageCount = 0;
  };

  // Bounds on what a reader accepts, so a hostile document cannot exhaust the window's memory.
  // A page may weigh this much, each item counting its code units plus its own upkeep.
  static constexpr size_t kMaxPageWeight = size_t{1} << 25;
  static constexpr size_t kItemUpkeep = 16;

  static std::string EncodeHeader(const Header& header);
  static std::string EncodePage(const PdfTextItems& items);

  static std::optional<Header> ReadHeader(const ByteSource& source);
  // The next page; nothing when the data ends early or the page weighs more than the bound.
  static std::optional<PdfTextItems> ReadPage(const ByteSource& source);
};

}  // namespace tw
