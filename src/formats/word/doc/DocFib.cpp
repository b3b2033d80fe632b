#include "formats/word/doc/DocFib.h"

namespace tw {
namespace {

constexpr uint16_t kWordIdent = 0xA5EC;
constexpr uint16_t kWord95Ident = 0xA5DC;
constexpr uint16_t kWord2Ident = 0xA5DB;
constexpr uint16_t kWord97Version = 0xC1;
constexpr uint16_t kWord6Version = 101;
constexpr uint16_t kWord95LastVersion = 105;
constexpr uint16_t kComplexFlag = 0x0004;
constexpr uint16_t kEncryptedFlag = 0x0100;
constexpr uint16_t kExtendedCharactersFlag = 0x1000;
constexpr uint16_t kTableStreamFlag = 0x0200;
constexpr uint64_t kFibBaseSize = 32;
constexpr size_t kFirstStoryLength = 3;  // ccpText's place among the 32-bit values
// The Word 6.0/95 block: fixed places, the same table order as later versions up to the
// annotation bookmarks.
constexpr uint64_t kWord6TextRange = 0x18;
constexpr uint64_t kWord6StoryLengths = 0x34;
constexpr uint64_t kWord6Tables = 0x58;
constexpr size_t kWord6TableCount = 38;

// Some writers put their own mark in the identifier of a Word 6.0/95 file (0xA699 is seen from
// Chinese editions); the version number decides, as word processors read such files.
bool IsWord6(uint16_t ident, uint16_t version) {
  return ident != kWord2Ident && version >= kWord6Version && version <= kWord95LastVersion;
}

void ReadStoryLength(DocFib& fib, size_t story, uint32_t length) {
  if (length > 0x7FFFFFFF)
    throw DocError("The document is damaged (a story has a negative length)");
  fib.storyLengths[story] = length;
}

void ParseWord6(const DocBytes& stream, DocFib& fib) {
  fib.word6 = true;
  fib.complex = (stream.U16(0x0A) & kComplexFlag) != 0;
  fib.wideText = (stream.U16(0x0A) & kExtendedCharactersFlag) != 0;
  if (!stream.Contains(0, kWord6Tables + 8 * kWord6TableCount)) {
    throw DocError("The document is damaged (its file information is cut short)");
  }
  fib.textStart = stream.U32(kWord6TextRange);
  fib.textEnd = stream.U32(kWord6TextRange + 4);
  for (size_t story = 0; story < kDocStoryCount; ++story) {
    ReadStoryLength(fib, story, stream.U32(kWord6StoryLengths + 4 * story));
  }
  for (size_t i = 0; i < kWord6TableCount; ++i) {
    fib.tables[i] = {stream.U32(kWord6Tables + 8 * i), stream.U32(kWord6Tables + 8 * i + 4)};
  }
}

void RejectOlderVersions(uint16_t ident, uint16_t version) {
  if (ident == kWord2Ident) {
    throw DocError("The document was saved in Word 2.0, which is not supported");
  }
  if (ident != kWordIdent && ident != kWord95Ident) {
    throw DocError("The file is not a Word document");
  }
  if (version < kWord6Version) {
    throw DocError(
        "The document was saved in a Word version older than 6.0, which is not supported");
  }
  if (version > kWord95LastVersion && version < kWord97Version) {
    throw DocError("The document was saved in an unknown Word version, which is not supported");
  }
}

}  // namespace

DocFib DocFib::Parse(const DocBytes& stream) {
  if (!stream.Contains(0, kFibBaseSize)) throw DocError("The file is not a Word document");
  const uint16_t ident = stream.U16(0);
  DocFib fib;
  fib.version = stream.U16(2);
  fib.language = stream.U16(6);
  const bool word6 = IsWord6(ident, fib.version);
  if (!word6) RejectOlderVersions(ident, fib.version);
  const uint16_t flags = stream.U16(0x0A);
  fib.encrypted = (flags & kEncryptedFlag) != 0;
  if (fib.encrypted) throw DocError("The document is password-protected");
  if (word6) {
    ParseWord6(stream, fib);
    return fib;
  }
  fib.tableStreamOne = (flags & kTableStreamFlag) != 0;

  uint64_t offset = kFibBaseSize;
  const uint16_t shortCount = stream.U16(offset);
  offset += 2 + 2 * uint64_t{shortCount};
  const uint16_t longCount = stream.U16(offset);
  offset += 2;
  for (size_t story = 0; story < kDocStoryCount; ++story) {
    if (kFirstStoryLength + story >= longCount) break;
    ReadStoryLength(fib, story, stream.U32(offset + 4 * (kFirstStoryLength + story)));
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
