#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "formats/ReadResult.h"
#include "formats/isolation/DocumentFormat.h"

namespace tw {

// What the reading side and a reader helper say to each other. The reading side asks for one
// document at a time; the helper answers with the document's pieces in reading order (sent as
// they are read, so a long document keeps the line busy), then an end or an error. The reading
// side trusts nothing it receives.
class ReaderWire {
 public:
  // Fills `size` bytes at `into`, or returns false when the sender has nothing more.
  using ByteSource = std::function<bool(void* into, size_t size)>;

  struct Request {
    DocumentFormat format = DocumentFormat::Word;
    std::string path;
  };
  // The document is complete: what it says beside its pieces.
  struct End {
    int32_t sectionCount = 0;
    bool hasTitleMaster = false;
  };
  using Frame = std::variant<TextPiece, End, ReaderError>;

  // The longest piece text a reading side accepts, in UTF-16 code units, and the longest path or
  // error text, in bytes: a hostile helper cannot make the window reserve more.
  static constexpr uint32_t kMaxPieceUnits = uint32_t{1} << 28;
  static constexpr uint32_t kMaxTextBytes = uint32_t{1} << 16;

  static std::string EncodeRequest(const Request& request);
  static std::string EncodePiece(const TextPiece& piece);
  static std::string EncodeEnd(const End& end);
  static std::string EncodeError(const ReaderError& error);

  // Nothing when the data ends early or makes no sense.
  static std::optional<Request> ReadRequest(const ByteSource& source);
  static std::optional<Frame> ReadFrame(const ByteSource& source);
};

}  // namespace tw
