#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/Document.h"
#include "formats/word/WordText.h"
#include "formats/word/rtf/CodePageDecoder.h"
#include "formats/word/rtf/RtfControlWords.h"
#include "formats/word/rtf/RtfShapes.h"
#include "formats/word/rtf/RtfTokenizer.h"

namespace tw {

// Turns RTF into a document: the body, footnotes and endnotes, each section's own primary header
// and footer, and the text frames of the shapes anchored in the body. Destinations that carry no
// visible text (tables of fonts, colours and styles, document info, pictures, object data, field
// instructions, unknown "\*" destinations) are read past; deleted runs are left out. Comments and
// the hidden text of the body are kept apart, as pieces of their own.
class RtfParser {
 public:
  // Throws RtfError when the data is not RTF or nests beyond the cap.
  Document Parse(std::string_view data);

 private:
  // Where the text of a group goes.
  enum class Target : uint8_t { Main, Header, Footer, Note, Comment, ShapeText, Discard };
  // What the control words of a group are read for besides text.
  enum class Mode : uint8_t { Text, FontTable, PropertyName, PropertyValue };

  struct GroupState {
    Target target = Target::Main;
    Mode mode = Mode::Text;
    size_t section = 0;  // Header / Footer
    int unicodeSkip = 1;
    int font = -1;  // -1: the default font
    bool hidden = false;
    bool deleted = false;
    bool opensNote = false;
    bool opensComment = false;
    bool inHeaderShape = false;  // a shape of a header or footer: its text is the header's
    bool opensShape = false;
    bool opensProperty = false;
    bool destinationPending = false;  // "\*" seen: an unknown destination here is skipped
    bool atGroupStart = false;        // nothing has come in this group yet
  };

  // A section's own primary header and footer; an absent one is linked to the previous one's.
  struct Section {
    std::optional<std::u16string> header;
    std::optional<std::u16string> footer;
  };

  void Reset();
  // Whether the token is (wholly) one of the fallback characters that follow a "\u"; a text run
  // that is only partly skipped is shortened.
  bool SkipFallback(RtfToken& token);
  void Dispatch(const RtfToken& token);
  void OnGroupStart();
  void OnGroupEnd();
  void OnControlWord(std::string_view word, bool hasParameter, int32_t parameter);
  void OnControlSymbol(char symbol);
  void OnText(std::string_view bytes);
  void OnByte(uint8_t byte);
  void OnBinary();
  void AddBytes(std::span<const uint8_t> bytes);

  bool HandleDestination(RtfWord word);
  bool HandleCharacterFormat(RtfWord word, bool hasParameter, int32_t parameter);
  bool HandleShapeWord(RtfWord word);
  void HandleFontTableWord(RtfWord word, int32_t parameter);
  void StartSection();
  void StartHeaderFooter(Target target);
  void StartNote();
  void StartComment();
  void StartShape(bool group);
  void StartShapeText();
  void FinishNote();
  void ApplyShapeProperty();
  Document TakeDocument();

  void Append(char16_t unit);
  void AppendBreak() { Append(kWordBreak); }
  void FlushBytes();
  bool Suppressed() const;
  std::u16string* Destination(const GroupState& state);
  std::u16string* ShownDestination(const GroupState& state);
  std::u16string* HiddenMain();
  int CodePage(const GroupState& state) const;
  GroupState& State() { return stack_.back(); }

  std::u16string mainText_;
  std::u16string footnotes_;
  std::u16string endnotes_;
  std::u16string comments_;    // each comment ended by a kWordBreak
  std::u16string hiddenMain_;  // the body's hidden runs, each ended by a kWordBreak
  size_t hiddenMainAt_ = 0;    // how far the body had come when hidden text last came
  std::vector<Section> sections_;
  RtfShapes shapes_;
  std::vector<GroupState> stack_;
  std::vector<std::u16string> openNotes_;
  std::vector<bool> openNoteIsEndnote_;
  std::string propertyName_;
  std::string propertyValue_;

  CodePageDecoder decoder_;
  int documentCodePage_ = 1252;
  int defaultFont_ = 0;
  int fontTableFont_ = 0;
  std::unordered_map<int, int> fontCodePages_;

  std::vector<uint8_t> pendingBytes_;  // text bytes not yet decoded, all in one code page
  int pendingCodePage_ = 0;
  int skipRemaining_ = 0;  // fallback characters still to skip after a "\u"
};

}  // namespace tw
