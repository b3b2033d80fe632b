#pragma once

#include <array>
#include <cstdint>

#include "formats/word/doc/DocBytes.h"

namespace tw {

// The stories of a .doc file, in the order their characters follow one another.
enum class DocStory : uint8_t {
  Main,
  Footnotes,
  Headers,
  Macros,
  Comments,
  Endnotes,
  TextBoxes,
  HeaderTextBoxes,
};
inline constexpr size_t kDocStoryCount = 8;

// Where a structure lies in the table stream.
struct DocTableRange {
  uint32_t offset = 0;
  uint32_t length = 0;
};

// The file information block at the start of the WordDocument stream: the version, the flags, the
// character counts of the stories and where the tables we read lie in the table stream.
struct DocFib {
  // The entries of the offset/length table that the reader uses, by their position in it.
  enum Table : size_t {
    StyleSheet = 1,           // STSH
    SectionTable = 6,         // PlcfSed
    HeaderTable = 11,         // PlcfHdd
    CharacterRuns = 12,       // PlcfBteChpx
    PieceTable = 33,          // Clx
    TextBoxTable = 56,        // PlcftxbxTxt
    HeaderTextBoxTable = 58,  // PlcfHdrtxbxTxt
    HeaderShapeTable = 41,    // PlcfSpaHdr
  };

  uint16_t version = 0;   // nFib
  uint16_t language = 0;  // lid: the language the document was written in
  // Word 6.0/95: every piece is 8-bit text in the file's code page, the tables lie in the
  // WordDocument stream, and a file saved without fast saves has no piece table: its text lies
  // at [textStart, textEnd).
  bool word6 = false;
  bool complex = true;
  // A Word 6.0/95 file whose writer marked it as holding extended characters keeps its text as
  // UTF-16, as Word 97 does (seen in files from Chinese editions).
  bool wideText = false;
  uint32_t textStart = 0;
  uint32_t textEnd = 0;
  bool encrypted = false;
  bool tableStreamOne = false;  // the tables are in "1Table" rather than "0Table"
  std::array<uint32_t, kDocStoryCount> storyLengths{};
  std::array<DocTableRange, 64> tables{};

  // Reads the block; throws DocError for a stream that is no Word document, one older than
  // Word 6.0, or an encrypted one.
  static DocFib Parse(const DocBytes& stream);

  // The first character position of a story.
  uint64_t StoryStart(DocStory story) const;
  uint32_t StoryLength(DocStory story) const { return storyLengths[static_cast<size_t>(story)]; }
};

}  // namespace tw
