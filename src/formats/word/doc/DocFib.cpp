#include "formats/word/doc/DocFib.h"

namespace tw {
namespace {

constexpr uint16_t kWordIdent = 0xA5EC;
constexpr uint16_t kWord95Ident = 0xA5DC;
constexpr uint16_t kWord97Version = 0xC1;
constexpr uint16_t kEncryptedFlag = 0x0100;
constexpr uint16_t kTableStreamFlag = 0x0200;
constexpr uint64_t kFibBaseSize = 32;
constexpr size_t kFirstStoryLength = 3;  // ccpText's place among the 32-bit values

}  // namespace

DocFib DocFib::Parse(const DocBytes& stream) {
  if (!stream.Contains(0, kFibBaseSize)) throw DocError("The file is not a Word document");
  const uint16_t ident = stream.U16(0);
  DocFib fib;
  fib.version = stream.U16(2);
  if (ident != kWordIdent && ident != kWord95Ident) {
    throw DocError("The file is not a Word document");
  }
  if (ident == kWord95Ident || fib.version < kWord97Version) {
    throw DocError(
        "The document was saved in Word 6.0/95 or an older format, which is not supported");
  }
  const uint16_t flags = stream.U16(0x0A);
  fib.encrypted = (flags & kEncryptedFlag) != 0;
  if (fib.encrypted) throw DocError("The document is password-protected");
  fib.tableStreamOne = (flags & kTableStreamFlag) != 0;

  uint64_t offset = kFibBaseSize;
  const uint16_t shortCount = stream.U16(offset);
  offset += 2 + 2 * uint64_t{shortCount};
  const uint16_t longCount = stream.U16(offset);
  offset += 2;
  for (size_t story = 0; story < kDocStoryCount; ++story) {
    if (kFirstStoryLength + story >= longCount) break;
    const uint32_t length = stream.U32(offset + 4 * (kFirstStoryLength + story));
    if (length > 0x7FFFFFFF)
      throw DocError("The document is damaged (a story has a negative length)");
    fib.storyLengths[story] = length;
  }
  offset += 4 * uint64_t{longCount};
  const uint16_t pairCount = stream.U16(offset);
  offset += 2;
  for (size_t i = 0; i < fib.tables.size() && i < pairCount; ++i) {
    fib.tables[i] = {stream.U32(offset + 8 * i), stream.U32(offset + 8 * i + 4)};
  }
  return fib;
}

uint64_t DocFib::StoryStart(DocStory story) const {
  uint64_t start = 0;
  for (size_t i = 0; i < static_cast<size_t>(story); ++i) start += storyLengths[i];
  return start;
}

}  // namespace tw
