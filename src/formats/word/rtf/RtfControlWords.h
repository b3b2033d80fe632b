#pragma once

#include <cstdint>
#include <string_view>

namespace tw {

// What a control word means to the reader. Words it does not know are Unknown and ignored, as
// RTF readers must.
enum class RtfWord : uint8_t {
  Unknown,
  SkippedDestination,  // a destination whose text is never shown
  ShownDestination,    // a destination whose text shows where the group stands
  NamedCharacter,      // a word that stands for one character (\tab, \emdash, \par ...)
  FontTable,
  Header,  // primary header: \header or \headerr
  Footer,
  Footnote,
  Annotation,   // a comment's text
  EndnoteMark,  // \ftnalt: the note is an endnote
  Shape,
  ShapeGroup,
  ShapeText,
  ShapeProperty,
  PropertyName,
  PropertyValue,
  Hidden,
  Deleted,
  Plain,
  Font,
  FontCharset,
  FontCodePage,
  DefaultFont,
  UnicodeSkip,
  Unicode,
  AnsiCodePage,
  MacCodePage,
  PcCodePage,
  Section,
};

struct RtfWordInfo {
  RtfWord word = RtfWord::Unknown;
  char16_t character = 0;  // for NamedCharacter
};

// The meaning of a control word, looked up in one table.
RtfWordInfo LookUpRtfWord(std::string_view name);

}  // namespace tw
