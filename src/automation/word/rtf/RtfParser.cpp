#include "automation/word/rtf/RtfParser.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tw {
namespace {

// Destinations whose text is never shown: tables, document info, pictures and object data,
// field instructions, list numbering text, comments, note separators, and the header and
// footer kinds that are not the primary ones.
constexpr std::array<std::string_view, 60> kSkippedDestinations = {"colortbl",
                                                                   "stylesheet",
                                                                   "info",
                                                                   "pict",
                                                                   "objdata",
                                                                   "objclass",
                                                                   "objname",
                                                                   "listtable",
                                                                   "listoverridetable",
                                                                   "themedata",
                                                                   "colorschememapping",
                                                                   "datastore",
                                                                   "latentstyles",
                                                                   "xmlnstbl",
                                                                   "rsidtbl",
                                                                   "generator",
                                                                   "fldinst",
                                                                   "revtbl",
                                                                   "filetbl",
                                                                   "pgdsctbl",
                                                                   "bkmkstart",
                                                                   "bkmkend",
                                                                   "nonshppict",
                                                                   "shprslt",
                                                                   "template",
                                                                   "docvar",
                                                                   "datafield",
                                                                   "mmathPr",
                                                                   "pntext",
                                                                   "listtext",
                                                                   "pntxta",
                                                                   "pntxtb",
                                                                   "annotation",
                                                                   "atnid",
                                                                   "atnauthor",
                                                                   "atndate",
                                                                   "atnref",
                                                                   "ftnsep",
                                                                   "ftnsepc",
                                                                   "aftnsep",
                                                                   "aftnsepc",
                                                                   "tc",
                                                                   "tcn",
                                                                   "xe",
                                                                   "do",
                                                                   "userprops",
                                                                   "listpicture",
                                                                   "headerl",
                                                                   "headerf",
                                                                   "footerl",
                                                                   "footerf",
                                                                   "private",
                                                                   "wgrffmtfilter",
                                                                   "fchars",
                                                                   "lchars",
                                                                   "pnseclvl",
                                                                   "blipuid",
                                                                   "passwordhash",
                                                                   "protusertbl",
                                                                   "ud"};

bool IsSkippedDestination(std::string_view word) {
  return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
         kSkippedDestinations.end();
}

struct NamedCharacter {
  std::string_view word;
  char16_t unit;
};

constexpr std::array<NamedCharacter, 29> kNamedCharacters = {{
    {"par", kWordBreak},      {"line", kWordBreak},     {"cell", kWordBreak},
    {"row", kWordBreak},      {"nestcell", kWordBreak}, {"nestrow", kWordBreak},
    {"page", kWordBreak},     {"column", kWordBreak},   {"softline", kWordBreak},
    {"softpage", kWordBreak}, {"softcol", kWordBreak},  {"lbr", kWordBreak},
    {"tab", u'\t'},           {"emdash", u'\u2014'},    {"endash", u'\u2013'},
    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},
    {"zwnj", u'\u200C'},      {"ltrmark", u'\u200E'},   {"rtlmark", u'\u200F'},
    {"zwbo", u'\u200B'},      {"zwnbo", u'\uFEFF'},
}};

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

WordShapeType TypeOfShape(const std::string& value) {
  if (value == "202") return WordShapeType::TextBox;
  if (value == "75") return WordShapeType::Picture;
  return WordShapeType::AutoShape;
}

// Property names and values are short; a hostile file cannot make them grow.
constexpr size_t kMaxPropertyText = 256;
// A few bytes of RTF make a section or a shape; these caps keep a hostile file from turning a
// large input into many times its size in memory. Real documents stay far below them.
constexpr size_t kMaxSections = 100000;
constexpr size_t kMaxShapes = 100000;

}  // namespace

WordDocument RtfParser::Parse(std::string_view data) {
  if (!StartsAsRtf(data)) throw RtfError("it does not start as Rich Text");
  document_ = {};
  document_.sections.emplace_back();
  shapeCount_ = 0;
  stack_.assign(1, GroupState{});
  RtfTokenizer tokenizer(data);
  for (RtfToken token = tokenizer.Next(); token.kind != RtfTokenKind::End;
       token = tokenizer.Next()) {
    if (token.kind == RtfTokenKind::GroupStart || token.kind == RtfTokenKind::GroupEnd) {
      skipRemaining_ = 0;
    } else if (skipRemaining_ > 0) {
      // The fallback characters after "\uN": a text run gives up only as many bytes as remain.
      if (token.kind == RtfTokenKind::Text) {
        const size_t n = std::min(token.text.size(), static_cast<size_t>(skipRemaining_));
        skipRemaining_ -= static_cast<int>(n);
        token.text.remove_prefix(n);
        if (!token.text.empty()) OnText(token.text);
      } else {
        --skipRemaining_;
      }
      continue;
    }
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
  }
  FlushBytes();
  return std::move(document_);
}

void RtfParser::OnGroupStart() {
  FlushBytes();
  GroupState inner = State();
  inner.opensNote = inner.opensShape = inner.opensProperty = false;
  inner.destinationPending = false;
  stack_.push_back(inner);
}

void RtfParser::OnGroupEnd() {
  FlushBytes();
  if (stack_.size() <= 1) return;
  const GroupState ended = State();
  stack_.pop_back();
  if (ended.opensNote) FinishNote();
  if (ended.opensShape) FinishShape();
  if (ended.opensProperty) ApplyShapeProperty();
}

void RtfParser::OnControlWord(std::string_view word, bool hasParameter, int32_t parameter) {
  FlushBytes();
  const bool pending = std::exchange(State().destinationPending, false);
  if (HandleDestination(word)) return;
  if (pending) {  // an optional destination we do not know: its text is not shown
    State().target = Target::Discard;
    State().mode = Mode::Text;
    return;
  }
  if (State().mode == Mode::FontTable) {
    HandleFontTableWord(word, parameter);
    return;
  }
  if (HandleCharacterFormat(word, hasParameter, parameter)) return;
  if (word == "u" && hasParameter) {
    Append(static_cast<char16_t>(parameter & 0xFFFF));
    skipRemaining_ = State().unicodeSkip;
    return;
  }
  if (word == "sect") {
    AppendBreak();
    if (State().target == Target::Main) StartSection();
    return;
  }
  HandleSpecialCharacter(word);
}

bool RtfParser::HandleDestination(std::string_view word) {
  GroupState& state = State();
  if (word == "fonttbl") {
    state.target = Target::Discard;
    state.mode = Mode::FontTable;
  } else if (IsSkippedDestination(word)) {
    state.target = Target::Discard;
    state.mode = Mode::Text;
  } else if (word == "header" || word == "headerr") {
    StartHeaderFooter(Target::Header);
  } else if (word == "footer" || word == "footerr") {
    StartHeaderFooter(Target::Footer);
  } else if (word == "footnote") {
    StartNote();
  } else if (word == "ftnalt") {
    if (!openNoteIsEndnote_.empty()) openNoteIsEndnote_.back() = true;
  } else if (HandleShapeWord(word)) {
  } else if (word == "field" || word == "fldrslt" || word == "shpinst" || word == "result") {
    // Their text is shown where the group stands.
  } else {
    return false;
  }
  return true;
}

bool RtfParser::HandleShapeWord(std::string_view word) {
  GroupState& state = State();
  if (word == "shp" || word == "shpgrp") {
    StartShape(word == "shpgrp");
  } else if (word == "shptxt") {
    StartShapeText();
  } else if (word == "sp") {
    propertyName_.clear();
    propertyValue_.clear();
    state.opensProperty = true;
  } else if (word == "sn" || word == "sv") {
    state.target = Target::Discard;
    state.mode = word == "sn" ? Mode::PropertyName : Mode::PropertyValue;
  } else {
    return false;
  }
  return true;
}

bool RtfParser::HandleCharacterFormat(std::string_view word, bool hasParameter, int32_t parameter) {
  GroupState& state = State();
  if (word == "v") {
    state.hidden = IsOn(hasParameter, parameter);
  } else if (word == "deleted") {
    state.deleted = IsOn(hasParameter, parameter);
  } else if (word == "plain") {
    state.hidden = state.deleted = false;
    state.font = -1;
  } else if (word == "f" && hasParameter) {
    state.font = parameter;
  } else if (word == "uc" && hasParameter) {
    state.unicodeSkip = std::clamp(parameter, 0, 16);
  } else if (word == "ansicpg" && hasParameter && parameter > 0) {
    documentCodePage_ = parameter;
  } else if (word == "mac") {
    documentCodePage_ = 10000;
  } else if (word == "pc") {
    documentCodePage_ = 437;
  } else if (word == "deff" && hasParameter) {
    defaultFont_ = parameter;
  } else {
    return false;
  }
  return true;
}

bool RtfParser::HandleSpecialCharacter(std::string_view word) {
  for (const NamedCharacter& named : kNamedCharacters) {
    if (named.word == word) {
      Append(named.unit);
      return true;
    }
  }
  return false;
}

void RtfParser::HandleFontTableWord(std::string_view word, int32_t parameter) {
  if (word == "f") {
    fontTableFont_ = parameter;
  } else if (word == "fcharset") {
    fontCodePages_[fontTableFont_] = CodePageDecoder::CodePageOfCharset(parameter);
  } else if (word == "cpg" && parameter > 0) {
    fontCodePages_[fontTableFont_] = parameter;
  }
}

void RtfParser::OnControlSymbol(char symbol) {
  FlushBytes();
  if (symbol == '*') {
    State().destinationPending = true;
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
  for (char c : bytes) OnByte(static_cast<uint8_t>(c));
}

void RtfParser::OnByte(uint8_t byte) {
  if (Suppressed()) return;
  const int codePage = CodePage(State());
  if (!pendingBytes_.empty() && codePage != pendingCodePage_) FlushBytes();
  pendingCodePage_ = codePage;
  pendingBytes_.push_back(byte);
}

void RtfParser::OnBinary() {
  State().destinationPending = false;
}

void RtfParser::StartSection() {
  if (document_.sections.size() >= kMaxSections) throw RtfError("it has too many sections");
  document_.sections.emplace_back();
}

void RtfParser::StartHeaderFooter(Target target) {
  GroupState& state = State();
  if (state.target != Target::Main) {
    state.target = Target::Discard;
    return;
  }
  state.target = target;
  state.section = document_.sections.size() - 1;
  WordSectionModel& section = document_.sections[state.section];
  (target == Target::Header ? section.primaryHeader : section.primaryFooter) = std::u16string();
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

void RtfParser::FinishNote() {
  if (openNotes_.empty()) return;
  std::u16string& notes = openNoteIsEndnote_.back() ? document_.endnotes : document_.footnotes;
  notes += openNotes_.back();
  notes += kWordBreak;
  openNotes_.pop_back();
  openNoteIsEndnote_.pop_back();
}

void RtfParser::StartShape(bool group) {
  if (++shapeCount_ > kMaxShapes) throw RtfError("it has too many shapes");
  GroupState& state = State();
  OpenShape open;
  open.anchoredInMain = !openShapes_.empty() || state.target == Target::Main;
  if (group) open.shape.type = WordShapeType::Group;
  openShapes_.push_back(std::move(open));
  state.opensShape = true;
}

void RtfParser::StartShapeText() {
  GroupState& state = State();
  if (openShapes_.empty()) {
    state.target = Target::Discard;
    return;
  }
  state.target = Target::ShapeText;
  openShapes_.back().shape.frameText = std::u16string();
}

void RtfParser::FinishShape() {
  if (openShapes_.empty()) return;
  OpenShape finished = std::move(openShapes_.back());
  openShapes_.pop_back();
  if (finished.shape.type == WordShapeType::TextBox && !finished.shape.frameText) {
    finished.shape.frameText = std::u16string();
  }
  if (!openShapes_.empty()) {
    openShapes_.back().shape.members.push_back(std::move(finished.shape));
  } else if (finished.anchoredInMain) {
    document_.shapes.push_back(std::move(finished.shape));
  }
}

void RtfParser::ApplyShapeProperty() {
  if (propertyName_ != "shapeType" || openShapes_.empty()) return;
  WordShapeModel& shape = openShapes_.back().shape;
  if (shape.type != WordShapeType::Group) shape.type = TypeOfShape(propertyValue_);
}

void RtfParser::Append(char16_t unit) {
  // Breaks stay even in hidden or deleted text, so the words on either side are never joined.
  const GroupState& state = State();
  const bool shownBreak =
      unit == kWordBreak && state.target != Target::Discard && state.mode == Mode::Text;
  if (Suppressed() && !shownBreak) return;
  FlushBytes();
  if (std::u16string* out = Destination(State())) out->push_back(unit);
}

void RtfParser::FlushBytes() {
  if (pendingBytes_.empty()) return;
  if (std::u16string* out = Destination(State())) {
    decoder_.Decode(pendingCodePage_, pendingBytes_, *out);
  }
  pendingBytes_.clear();
}

bool RtfParser::Suppressed() const {
  const GroupState& state = stack_.back();
  return state.hidden || state.deleted || state.target == Target::Discard ||
         state.mode != Mode::Text;
}

std::u16string* RtfParser::Destination(const GroupState& state) {
  switch (state.target) {
    case Target::Main:
      return &document_.mainText;
    case Target::Header:
    case Target::Footer: {
      WordSectionModel& section = document_.sections[state.section];
      auto& text = state.target == Target::Header ? section.primaryHeader : section.primaryFooter;
      return text ? &*text : nullptr;
    }
    case Target::Note:
      return openNotes_.empty() ? nullptr : &openNotes_.back();
    case Target::ShapeText:
      if (openShapes_.empty() || !openShapes_.back().shape.frameText) return nullptr;
      return &*openShapes_.back().shape.frameText;
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
