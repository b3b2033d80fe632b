#include "formats/word/rtf/RtfParser.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tw {
namespace {

bool IsOn(bool hasParameter, int32_t parameter) {
  return !hasParameter || parameter != 0;
}

bool StartsAsRtf(std::string_view data) {
  size_t i = 0;
  if (data.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < data.size() &&
         (data[i] == ' ' || data[i] == '\r' || data[i] == '\n' || data[i] == '\t')) {
    ++i;
  }
  return data.substr(i, 5) == "{\\rtf";
}

// Property names and values are short; a hostile file cannot make them grow.
constexpr size_t kMaxPropertyText = 256;
// A few bytes of RTF make a section; the cap keeps a hostile file from turning a large input into
// many times its size in memory. Real documents stay far below it.
constexpr size_t kMaxSections = 100000;

}  // namespace

Document RtfParser::Parse(std::string_view data) {
  if (!StartsAsRtf(data)) throw RtfError("it does not start as Rich Text");
  Reset();
  RtfTokenizer tokenizer(data);
  for (RtfToken token = tokenizer.Next(); token.kind != RtfTokenKind::End;
       token = tokenizer.Next()) {
    if (!SkipFallback(token)) Dispatch(token);
    // The brace that closes the document ends it: whatever follows (stray text, garbage a
    // writer left behind) is not part of it, and neither Word nor other readers show it.
    if (token.kind == RtfTokenKind::GroupEnd && stack_.size() == 1) break;
  }
  FlushBytes();
  return TakeDocument();
}

Document RtfParser::TakeDocument() {
  Document document;
  document.Add(PieceKind::Body, std::move(mainText_));
  AddNotes(document, PieceKind::Footnote, std::move(footnotes_));
  AddNotes(document, PieceKind::Endnote, std::move(endnotes_));
  AddNotes(document, PieceKind::Comment, std::move(comments_));
  if (hiddenMain_.find_first_not_of(kWordBreak) != std::u16string::npos) {
    document.Add(PieceKind::Body, std::move(hiddenMain_)).hidden = true;
  }
  document.sectionCount = static_cast<int>(sections_.size());
  for (size_t i = 0; i < sections_.size(); ++i) {
    Section& own = sections_[i];
    const int section = static_cast<int>(i);
    if (own.header) document.Add(PieceKind::Header, std::move(*own.header), section);
    if (own.footer) document.Add(PieceKind::Footer, std::move(*own.footer), section);
  }
  std::vector<TextPiece> frames = shapes_.TakeFrames();
  std::move(frames.begin(), frames.end(), std::back_inserter(document.pieces));
  return document;
}

void RtfParser::Reset() {
  mainText_.clear();
  footnotes_.clear();
  endnotes_.clear();
  comments_.clear();
  hiddenMain_.clear();
  hiddenMainAt_ = 0;
  sections_.assign(1, Section{});
  stack_.assign(1, GroupState{});
  openNotes_.clear();
  openNoteIsEndnote_.clear();
  shapes_.Clear();
  documentCodePage_ = 1252;
  defaultFont_ = 0;
  fontTableFont_ = 0;
  fontCodePages_.clear();
  pendingBytes_.clear();
  skipRemaining_ = 0;
}

bool RtfParser::SkipFallback(RtfToken& token) {
  if (token.kind == RtfTokenKind::GroupStart || token.kind == RtfTokenKind::GroupEnd) {
    skipRemaining_ = 0;  // a group boundary ends the fallback early
    return false;
  }
  if (skipRemaining_ == 0) return false;
  if (token.kind != RtfTokenKind::Text) {
    --skipRemaining_;  // a control word, symbol, \'hh or binary run counts as one character
    return true;
  }
  // A text run gives up only as many bytes as remain to be skipped.
  const size_t n = std::min(token.text.size(), static_cast<size_t>(skipRemaining_));
  skipRemaining_ -= static_cast<int>(n);
  token.text.remove_prefix(n);
  return token.text.empty();
}

void RtfParser::Dispatch(const RtfToken& token) {
  switch (token.kind) {
    case RtfTokenKind::GroupStart:
      OnGroupStart();
      break;
    case RtfTokenKind::GroupEnd:
      OnGroupEnd();
      break;
    case RtfTokenKind::ControlWord:
      OnControlWord(token.text, token.hasParameter, token.parameter);
      break;
    case RtfTokenKind::ControlSymbol:
      OnControlSymbol(token.symbol);
      break;
    case RtfTokenKind::HexByte:
      OnByte(token.byte);
      break;
    case RtfTokenKind::Text:
      OnText(token.text);
      break;
    case RtfTokenKind::Binary:
      OnBinary();
      break;
    case RtfTokenKind::End:
      break;
  }
  if (token.kind != RtfTokenKind::GroupStart) State().atGroupStart = false;
}

void RtfParser::OnGroupStart() {
  FlushBytes();
  GroupState inner = State();
  inner.opensNote = inner.opensComment = inner.opensShape = inner.opensProperty = false;
  inner.destinationPending = false;
  inner.atGroupStart = true;
  stack_.push_back(inner);
}

void RtfParser::OnGroupEnd() {
  FlushBytes();
  if (stack_.size() <= 1) return;
  const GroupState ended = State();
  stack_.pop_back();
  if (ended.opensNote) FinishNote();
  if (ended.opensComment) comments_ += kWordBreak;
  if (ended.opensShape) shapes_.Finish();
  if (ended.opensProperty) ApplyShapeProperty();
}

void RtfParser::OnControlWord(std::string_view word, bool hasParameter, int32_t parameter) {
  FlushBytes();
  const bool pending = std::exchange(State().destinationPending, false);
  const RtfWordInfo info = LookUpRtfWord(word);
  if (HandleDestination(info.word)) return;
  if (pending) {  // an optional destination we do not know: its text is not shown
    State().target = Target::Discard;
    State().mode = Mode::Text;
    return;
  }
  if (State().mode == Mode::FontTable) {
    HandleFontTableWord(info.word, parameter);
    return;
  }
  if (HandleCharacterFormat(info.word, hasParameter, parameter)) return;
  switch (info.word) {
    case RtfWord::Unicode:
      if (!hasParameter) break;
      Append(static_cast<char16_t>(parameter & 0xFFFF));
      skipRemaining_ = State().unicodeSkip;
      break;
    case RtfWord::Section:
      AppendBreak();
      if (State().target == Target::Main) StartSection();
      break;
    case RtfWord::NamedCharacter:
      Append(info.character);
      break;
    default:
      break;
  }
}

bool RtfParser::HandleDestination(RtfWord word) {
  GroupState& state = State();
  switch (word) {
    case RtfWord::FontTable:
      state.target = Target::Discard;
      state.mode = Mode::FontTable;
      return true;
    case RtfWord::SkippedDestination:
      state.target = Target::Discard;
      state.mode = Mode::Text;
      return true;
    case RtfWord::Header:
      StartHeaderFooter(Target::Header);
      return true;
    case RtfWord::Footer:
      StartHeaderFooter(Target::Footer);
      return true;
    case RtfWord::Footnote:
      StartNote();
      return true;
    case RtfWord::Annotation:
      StartComment();
      return true;
    case RtfWord::EndnoteMark:
      if (!openNoteIsEndnote_.empty()) openNoteIsEndnote_.back() = true;
      return true;
    case RtfWord::ShownDestination:
      return true;
    default:
      return HandleShapeWord(word);
  }
}

bool RtfParser::HandleShapeWord(RtfWord word) {
  GroupState& state = State();
  switch (word) {
    case RtfWord::Shape:
    case RtfWord::ShapeGroup:
      StartShape(word == RtfWord::ShapeGroup);
      return true;
    case RtfWord::ShapeText:
      StartShapeText();
      return true;
    case RtfWord::ShapeProperty:
      propertyName_.clear();
      propertyValue_.clear();
      state.opensProperty = true;
      return true;
    case RtfWord::PropertyName:
    case RtfWord::PropertyValue:
      state.target = Target::Discard;
      state.mode = word == RtfWord::PropertyName ? Mode::PropertyName : Mode::PropertyValue;
      return true;
    default:
      return false;
  }
}

bool RtfParser::HandleCharacterFormat(RtfWord word, bool hasParameter, int32_t parameter) {
  GroupState& state = State();
  switch (word) {
    case RtfWord::Hidden:
      state.hidden = IsOn(hasParameter, parameter);
      return true;
    case RtfWord::Deleted:
      state.deleted = IsOn(hasParameter, parameter);
      return true;
    case RtfWord::Plain:
      state.hidden = state.deleted = false;
      state.font = -1;
      return true;
    case RtfWord::Font:
      if (hasParameter) state.font = parameter;
      return true;
    case RtfWord::UnicodeSkip:
      if (hasParameter) state.unicodeSkip = std::clamp(parameter, 0, 16);
      return true;
    case RtfWord::AnsiCodePage:
      if (hasParameter && parameter > 0) documentCodePage_ = parameter;
      return true;
    case RtfWord::MacCodePage:
      documentCodePage_ = 10000;
      return true;
    case RtfWord::PcCodePage:
      documentCodePage_ = 437;
      return true;
    case RtfWord::DefaultFont:
      if (hasParameter) defaultFont_ = parameter;
      return true;
    default:
      return false;
  }
}

void RtfParser::HandleFontTableWord(RtfWord word, int32_t parameter) {
  if (word == RtfWord::Font) {
    fontTableFont_ = parameter;
  } else if (word == RtfWord::FontCharset) {
    fontCodePages_[fontTableFont_] = CodePageDecoder::CodePageOfCharset(parameter);
  } else if (word == RtfWord::FontCodePage && parameter > 0) {
    fontCodePages_[fontTableFont_] = parameter;
  }
}

void RtfParser::OnControlSymbol(char symbol) {
  FlushBytes();
  if (symbol == '*') {
    // Only a group can be an optional destination. Further in, "\*" can mark no more than the
    // next control word, and an unknown one is ignored anyway: the rest of the group is text.
    State().destinationPending = State().atGroupStart;
    return;
  }
  State().destinationPending = false;
  switch (symbol) {
    case '\\':
    case '{':
    case '}':
      OnByte(static_cast<uint8_t>(symbol));
      break;
    case '~':
      Append(u'\u00A0');
      break;
    case '_':
      Append(u'\u2011');
      break;
    case '\n':
      AppendBreak();
      break;
    default:  // "\-" optional hyphen, "\:" index subentry, "\|" formula: nothing shown
      break;
  }
}

void RtfParser::OnText(std::string_view bytes) {
  GroupState& state = State();
  state.destinationPending = false;
  if (state.mode == Mode::PropertyName || state.mode == Mode::PropertyValue) {
    std::string& property = state.mode == Mode::PropertyName ? propertyName_ : propertyValue_;
    property.append(
        bytes.substr(0, kMaxPropertyText - std::min(kMaxPropertyText, property.size())));
    return;
  }
  if (Suppressed()) return;
  AddBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

void RtfParser::OnByte(uint8_t byte) {
  if (Suppressed()) return;
  AddBytes(std::span(&byte, 1));
}

void RtfParser::AddBytes(std::span<const uint8_t> bytes) {
  const int codePage = CodePage(State());
  if (!pendingBytes_.empty() && codePage != pendingCodePage_) FlushBytes();
  pendingCodePage_ = codePage;
  pendingBytes_.insert(pendingBytes_.end(), bytes.begin(), bytes.end());
}

void RtfParser::OnBinary() {
  State().destinationPending = false;
}

void RtfParser::StartSection() {
  if (sections_.size() >= kMaxSections) throw RtfError("it has too many sections");
  sections_.emplace_back();
}

void RtfParser::StartHeaderFooter(Target target) {
  GroupState& state = State();
  if (state.target != Target::Main) {
    state.target = Target::Discard;
    return;
  }
  state.target = target;
  state.section = sections_.size() - 1;
  Section& section = sections_[state.section];
  (target == Target::Header ? section.header : section.footer) = std::u16string();
}

void RtfParser::StartNote() {
  GroupState& state = State();
  if (state.target != Target::Main) {
    state.target = Target::Discard;
    return;
  }
  state.target = Target::Note;
  state.opensNote = true;
  openNotes_.emplace_back();
  openNoteIsEndnote_.push_back(false);
}

void RtfParser::StartComment() {
  GroupState& state = State();
  state.target = state.target == Target::Main ? Target::Comment : Target::Discard;
  state.opensComment = state.target == Target::Comment;
}

void RtfParser::FinishNote() {
  if (openNotes_.empty()) return;
  std::u16string& notes = openNoteIsEndnote_.back() ? endnotes_ : footnotes_;
  notes += openNotes_.back();
  notes += kWordBreak;
  openNotes_.pop_back();
  openNoteIsEndnote_.pop_back();
}

void RtfParser::StartShape(bool group) {
  GroupState& state = State();
  if (state.target == Target::Header || state.target == Target::Footer || state.inHeaderShape) {
    state.inHeaderShape = true;
    return;
  }
  shapes_.Start(group, shapes_.AnyOpen() || state.target == Target::Main);
  state.opensShape = true;
}

void RtfParser::StartShapeText() {
  if (State().inHeaderShape) return AppendBreak();
  State().target = shapes_.StartText() ? Target::ShapeText : Target::Discard;
}

void RtfParser::ApplyShapeProperty() {
  if (propertyName_ == "shapeType") shapes_.SetType(propertyValue_);
}

void RtfParser::Append(char16_t unit) {
  // Breaks stay even in hidden or deleted text, so the words on either side are never joined.
  const GroupState& state = State();
  const bool shownBreak =
      unit == kWordBreak && state.target != Target::Discard && state.mode == Mode::Text;
  if (Suppressed() && !shownBreak) return;
  FlushBytes();
  std::u16string* out = unit == kWordBreak ? ShownDestination(State()) : Destination(State());
  if (out != nullptr) out->push_back(unit);
}

void RtfParser::FlushBytes() {
  if (pendingBytes_.empty()) return;
  if (std::u16string* out = Destination(State())) {
    decoder_.Decode(pendingCodePage_, pendingBytes_, *out);
  }
  pendingBytes_.clear();
}

// The body's hidden text is kept apart; elsewhere hidden text is left out.
bool RtfParser::Suppressed() const {
  const GroupState& state = stack_.back();
  return (state.hidden && state.target != Target::Main) || state.deleted ||
         state.target == Target::Discard || state.mode != Mode::Text;
}

std::u16string* RtfParser::Destination(const GroupState& state) {
  if (state.hidden && state.target == Target::Main) return HiddenMain();
  return ShownDestination(state);
}

// Hidden runs that shown text came between never join into one word.
std::u16string* RtfParser::HiddenMain() {
  if (hiddenMainAt_ != mainText_.size() && !hiddenMain_.empty() &&
      hiddenMain_.back() != kWordBreak) {
    hiddenMain_ += kWordBreak;
  }
  hiddenMainAt_ = mainText_.size();
  return &hiddenMain_;
}

std::u16string* RtfParser::ShownDestination(const GroupState& state) {
  switch (state.target) {
    case Target::Main:
      return &mainText_;
    case Target::Header:
    case Target::Footer: {
      Section& section = sections_[state.section];
      auto& text = state.target == Target::Header ? section.header : section.footer;
      return text ? &*text : nullptr;
    }
    case Target::Note:
      return openNotes_.empty() ? nullptr : &openNotes_.back();
    case Target::Comment:
      return &comments_;
    case Target::ShapeText:
      return shapes_.Text();
    case Target::Discard:
      return nullptr;
  }
  return nullptr;
}

int RtfParser::CodePage(const GroupState& state) const {
  const int font = state.font >= 0 ? state.font : defaultFont_;
  auto found = fontCodePages_.find(font);
  if (found != fontCodePages_.end() && found->second != 0) return found->second;
  return documentCodePage_;
}

}  // namespace tw
