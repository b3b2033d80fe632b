#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/word/doc/DocBytes.h"

namespace tw {

// How a file writes its property lists: Word 97 and later with two-byte property codes that say
// their operand's size, Word 6.0/95 with one-byte codes whose sizes are known by code.
enum class DocSprmForm { Word97, Word6 };

// The two character properties that keep text out of the counts.
struct DocCharacterFlags {
  bool hidden = false;
  bool deleted = false;
  bool Suppressed() const { return hidden || deleted; }
};

class DocStyleSheet;

// Reads hidden text and deleted revision marks out of a list of character properties, applied
// over `flags`. A character style named in the list (looked up in `styles` when given) sets the
// hidden flag that the list's relative toggles refer to; `styleHidden` is that flag before it.
DocCharacterFlags ReadCharacterFlags(std::span<const uint8_t> properties,
                                     DocCharacterFlags flags = {},
                                     const DocStyleSheet* styles = nullptr,
                                     bool styleHidden = false,
                                     DocSprmForm form = DocSprmForm::Word97);

// The character formatting runs of the WordDocument stream (the PlcfBteChpx and its 512-byte
// pages), reduced to where text is hidden or deleted. Positions are byte offsets in that stream.
class DocCharacterRuns {
 public:
  DocCharacterRuns() = default;
  // Reads the runs whose page table lies in `pageTable` of the table stream.
  DocCharacterRuns(const DocBytes& document, std::span<const uint8_t> pageTable,
                   const DocStyleSheet& styles, DocSprmForm form = DocSprmForm::Word97);

  // Whether the character stored at byte offset `fc` is hidden or deleted.
  DocCharacterFlags Flags(uint32_t fc) const;
  bool Suppressed(uint32_t fc) const { return Flags(fc).Suppressed(); }

 private:
  struct Run {
    uint32_t fcStart;
    uint32_t fcEnd;
    DocCharacterFlags flags;
  };

  void ReadPage(const DocBytes& document, uint32_t pageNumber, const DocStyleSheet& styles,
                DocSprmForm form);

  std::vector<Run> suppressed_;  // sorted by start, not overlapping
};

}  // namespace tw
