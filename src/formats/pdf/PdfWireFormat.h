#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <string_view>

namespace tw {

// What the helper process sends back: a header (how opening the document went, its page count),
// then each page's text in page order. The reader trusts nothing it receives.
class PdfWireFormat {
 public:
  // Fills `size` bytes at `into`, or returns false when the sender has nothing more.
  using ByteSource = std::function<bool(void* into, size_t size)>;

  enum class Opening : uint32_t { Failed = 0, Opened = 1, NeedsPassword = 2 };

  struct Header {
    Opening opening = Opening::Failed;
    int32_t pageCount = 0;
  };

  // Bounds on what a reader accepts, so a hostile document cannot exhaust the window's memory.
  // The longest page text a reader accepts, in UTF-16 code units.
  static constexpr uint32_t kMaxPageUnits = uint32_t{1} << 25;

  static std::string EncodeHeader(const Header& header);
  static std::string EncodePage(std::u16string_view text);

  static std::optional<Header> ReadHeader(const ByteSource& source);
  // The next page's text; nothing when the data ends early or the text is longer than the bound.
  static std::optional<std::u16string> ReadPage(const ByteSource& source);
};

}  // namespace tw
