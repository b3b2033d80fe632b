#include "formats/word/docx/DocxStoryReader.h"

#include <cstring>
#include <iterator>
#include <string_view>

#include "formats/ReadResult.h"
#include "formats/word/WordText.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

enum class Element {
  Other,  // a container: its children are read
  Skip,   // properties, deleted text, field codes, text-box content met outside its shape
  Paragraph,
  Run,
  TableCell,
  Text,
  Tab,
  Break,
  NoBreakHyphen,
  Symbol,
  FieldChar,
  AlternateContent,
  Drawing,
  Vml,
  SectionProperties,
};

struct NamedElement {
  std::string_view name;
  Element element;
};

// Runs, their properties and text, and paragraphs make up nearly every element of a document, so
// they come first; the rest are rare enough that a look through the list costs less than hashing
// every name.
constexpr NamedElement kElements[] = {
    {"w:r", Element::Run},
    {"w:rPr", Element::Skip},
    {"w:t", Element::Text},
    {"w:p", Element::Paragraph},
    {"w:pPr", Element::Skip},
    {"w:tc", Element::TableCell},
    {"m:t", Element::Text},
    {"w:tab", Element::Tab},
    {"w:ptab", Element::Tab},
    {"w:br", Element::Break},
    {"w:cr", Element::Break},
    {"w:noBreakHyphen", Element::NoBreakHyphen},
    {"w:sym", Element::Symbol},
    {"w:fldChar", Element::FieldChar},
    {"mc:AlternateContent", Element::AlternateContent},
    {"w:drawing", Element::Drawing},
    {"w:pict", Element::Vml},
    {"w:object", Element::Vml},
    {"w:sectPr", Element::SectionProperties},
    {"w:tblPr", Element::Skip},
    {"w:trPr", Element::Skip},
    {"w:tcPr", Element::Skip},
    {"w:tblGrid", Element::Skip},
    {"w:tblPrEx", Element::Skip},
    {"w:sdtPr", Element::Skip},
    {"w:sdtEndPr", Element::Skip},
    {"w:customXmlPr", Element::Skip},
    {"w:del", Element::Skip},
    {"w:moveFrom", Element::Skip},
    {"w:delText", Element::Skip},
    {"w:instrText", Element::Skip},
    {"w:delInstrText", Element::Skip},
    {"w:txbxContent", Element::Skip},
    {"w:rt", Element::Skip},  // a ruby's phonetic guide sits above its base text
    {"w:softHyphen", Element::Skip},
    {"w:fldData", Element::Skip},
    {"w:ffData", Element::Skip},
    {"m:rPr", Element::Skip},
    {"m:ctrlPr", Element::Skip},
};

Element ElementOf(const char* name) {
  const std::string_view wanted(name);
  for (const NamedElement& known : kElements) {
    if (known.name.size() == wanted.size() && known.name == wanted) return known.element;
  }
  return Element::Other;
}

bool IsOn(pugi::xml_node toggle) {
  if (!toggle) return false;
  const std::string_view value = toggle.attribute("w:val").value();
  return value != "0" && value != "false" && value != "off";
}

// Whether the first w:vanish or the first w:specVanish of the run's properties is on, found in
// one pass: every run asks.
bool IsHiddenRun(pugi::xml_node run) {
  bool vanishSeen = false;
  bool specVanishSeen = false;
  for (const pugi::xml_node property : run.child("w:rPr").children()) {
    const std::string_view name = property.name();
    bool* seen = name == "w:vanish"       ? &vanishSeen
                 : name == "w:specVanish" ? &specVanishSeen
                                          : nullptr;
    if (seen == nullptr || *seen) continue;
    *seen = true;
    if (IsOn(property)) return true;
  }
  return false;
}

// Extensions this reader reads through; a Choice needing anything else gives way to the
// Fallback.
bool UnderstoodRequirement(std::string_view prefix) {
  static constexpr std::string_view understood[] = {"wps",   "wpg",    "wp14", "w14", "w15",
                                                    "w16se", "w16cid", "w16",  "a14"};
  for (const std::string_view known : understood) {
    if (prefix == known) return true;
  }
  return false;
}

bool ChoiceUnderstood(pugi::xml_node choice) {
  const std::string_view needed = choice.attribute("Requires").value();
  size_t start = 0;
  while (start < needed.size()) {
    const size_t end = std::min(needed.find(' ', start), needed.size());
    if (end > start && !UnderstoodRequirement(needed.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

pugi::xml_node ChosenBranch(pugi::xml_node alternate) {
  for (const pugi::xml_node choice : alternate.children("mc:Choice")) {
    if (ChoiceUnderstood(choice)) return choice;
  }
  return alternate.child("mc:Fallback");
}

bool IsVmlShapeName(std::string_view name) {
  return name == "v:shape" || name == "v:rect" || name == "v:roundrect" || name == "v:oval" ||
         name == "v:line" || name == "v:polyline" || name == "v:arc" || name == "v:curve" ||
         name == "v:image";
}

bool IsAbsolutelyPlaced(pugi::xml_node vmlShape) {
  return std::strstr(vmlShape.attribute("style").value(), "position:absolute") != nullptr;
}

}  // namespace

DocxStory DocxStoryReader::Read(pugi::xml_node container) {
  return Read(std::span<const pugi::xml_node>(&container, 1));
}

DocxStory DocxStoryReader::Read(std::span<const pugi::xml_node> containers) {
  for (const pugi::xml_node container : containers) WalkChildren(container);
  return std::move(story_);
}

void DocxStoryReader::WalkChildren(pugi::xml_node node) {
  if (++depth_ > maxDepth_) {
    throw ReaderError("The document is damaged: its elements are nested too deeply.");
  }
  for (const pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_element) Walk(child);
  }
  --depth_;
}

void DocxStoryReader::Walk(pugi::xml_node node) {
  const Element element = ElementOf(node.name());
  // A shape in a hidden run is not shown and has no hidden text of its own to keep.
  if (inHiddenRun_ && (element == Element::AlternateContent || element == Element::Drawing ||
                       element == Element::Vml)) {
    return;
  }
  switch (element) {
    case Element::Other:
      return WalkChildren(node);
    case Element::Skip:
      return;
    case Element::Paragraph:
      return Paragraph(node);
    case Element::Run:
      return Run(node);
    case Element::TableCell:
      return TableCell(node);
    case Element::Text:
      return AppendUtf8(node.child_value());
    case Element::Tab:
      return Append(u'\t');
    case Element::Break:
      return Append(kWordBreak);
    case Element::NoBreakHyphen:
      return Append(u'\u2011');
    case Element::Symbol:
      return Symbol(node);
    case Element::FieldChar:
      return FieldChar(node);
    case Element::AlternateContent:
      return AlternateContent(node);
    case Element::Drawing:
      return Drawing(node);
    case Element::Vml:
      return VmlContainer(node);
    case Element::SectionProperties:
      return SectionEnd(node);
  }
}

void DocxStoryReader::Paragraph(pugi::xml_node paragraph) {
  WalkChildren(paragraph);
  Append(kWordBreak);
  // A paragraph carrying section properties is the last one of its section.
  const pugi::xml_node sectPr = paragraph.child("w:pPr").child("w:sectPr");
  if (sectPr) SectionEnd(sectPr);
}

void DocxStoryReader::Run(pugi::xml_node run) {
  if (IsHiddenRun(run) && !inHiddenRun_) {
    // Hidden text goes apart; a field that opens or closes in it still counts as usual.
    inHiddenRun_ = true;
    WalkChildren(run);
    inHiddenRun_ = false;
    if (!story_.hidden.empty() && story_.hidden.back() != kWordBreak) story_.hidden += kWordBreak;
    return;
  }
  WalkChildren(run);
}

void DocxStoryReader::TableCell(pugi::xml_node cell) {
  story_.marks.push_back({story_.text.size(), PieceKind::TableCell});
  ++cellDepth_;
  WalkChildren(cell);
  --cellDepth_;
  story_.marks.push_back(
      {story_.text.size(), cellDepth_ > 0 ? PieceKind::TableCell : PieceKind::Body});
}

void DocxStoryReader::FieldChar(pugi::xml_node fieldChar) {
  const std::string_view type = fieldChar.attribute("w:fldCharType").value();
  if (type == "begin") {
    fieldInResult_.push_back(false);
    ++fieldCodeDepth_;
  } else if (type == "separate") {
    if (!fieldInResult_.empty() && !fieldInResult_.back()) {
      fieldInResult_.back() = true;
      --fieldCodeDepth_;
    }
  } else if (type == "end" && !fieldInResult_.empty()) {
    if (!fieldInResult_.back()) --fieldCodeDepth_;
    fieldInResult_.pop_back();
  }
}

// A symbol names its character in hex, in the private range a symbol font maps (F000-F0FF)
// or as a plain code point; either way it is one character, shown even when its code cannot be
// read, so it stands for a blank symbol-font character then.
void DocxStoryReader::Symbol(pugi::xml_node symbol) {
  const unsigned long code = std::strtoul(symbol.attribute("w:char").value(), nullptr, 16);
  if (code == 0 || code > 0xFFFF) return Append(u'\uF020');
  Append(static_cast<char16_t>(code));
}

void DocxStoryReader::AlternateContent(pugi::xml_node alternate) {
  const pugi::xml_node branch = ChosenBranch(alternate);
  if (branch) WalkChildren(branch);
}

void DocxStoryReader::Drawing(pugi::xml_node drawing) {
  // Inline drawings are part of the text flow, not floating shapes.
  const pugi::xml_node anchor = drawing.child("wp:anchor");
  if (!anchor) return;
  const pugi::xml_node data = anchor.child("a:graphic").child("a:graphicData");
  for (const pugi::xml_node content : data.children()) {
    if (DrawingMLShape(content, 0, story_.frames)) return;
  }
}

void DocxStoryReader::VmlContainer(pugi::xml_node pict) {
  // An embedded object's shape only shows the object: its frames, read all the same so that a
  // damaged one is still an error, are dropped.
  const bool embeddedObject = static_cast<bool>(pict.child("o:OLEObject"));
  for (const pugi::xml_node child : pict.children()) {
    std::vector<TextPiece> frames;
    if (!VmlShape(child, true, 0, frames) || embeddedObject) continue;
    std::move(frames.begin(), frames.end(), std::back_inserter(story_.frames));
  }
}

void DocxStoryReader::SectionEnd(pugi::xml_node sectPr) {
  DocxSectionReferences references;
  for (const pugi::xml_node reference : sectPr.children()) {
    const std::string_view name = reference.name();
    const std::string_view type = reference.attribute("w:type").value();
    if (!type.empty() && type != "default") continue;
    if (name == "w:headerReference") references.headerId = reference.attribute("r:id").value();
    if (name == "w:footerReference") references.footerId = reference.attribute("r:id").value();
  }
  story_.sections.push_back(std::move(references));
}

void DocxStoryReader::Append(char16_t c) {
  if (!InFieldCode()) (inHiddenRun_ ? story_.hidden : story_.text).push_back(c);
}

void DocxStoryReader::AppendUtf8(const char* text) {
  if (!InFieldCode()) AppendUtf8AsUtf16(inHiddenRun_ ? story_.hidden : story_.text, text);
}

std::u16string DocxStoryReader::FrameText(pugi::xml_node txbxContent) const {
  DocxStoryReader frame(maxDepth_, depth_ + 1);
  return frame.Read(txbxContent).text;
}

bool DocxStoryReader::DrawingMLShape(pugi::xml_node node, int groupDepth,
                                     std::vector<TextPiece>& frames) const {
  const std::string_view name = node.name();
  if (depth_ > maxDepth_) {
    throw ReaderError("The document is damaged: its elements are nested too deeply.");
  }
  if (name == "pic:pic") return true;
  if (name == "wps:wsp") {
    const std::string_view txBox = node.child("wps:cNvSpPr").attribute("txBox").value();
    const bool textBox = txBox == "1" || txBox == "true";
    AddFrame(frames, textBox ? PieceKind::TextBox : PieceKind::AutoShape,
             FrameText(node.child("wps:txbx").child("w:txbxContent")), groupDepth);
    return true;
  }
  if (name == "wpg:wgp" || name == "wpg:grpSp") {
    const DocxStoryReader inner(maxDepth_, depth_ + 1);
    for (const pugi::xml_node member : node.children()) {
      inner.DrawingMLShape(member, groupDepth + 1, frames);
    }
    return true;
  }
  return false;
}

bool DocxStoryReader::VmlShape(pugi::xml_node node, bool topLevel, int groupDepth,
                               std::vector<TextPiece>& frames) const {
  if (depth_ > maxDepth_) {
    throw ReaderError("The document is damaged: its elements are nested too deeply.");
  }
  const std::string_view name = node.name();
  if (name == "v:group") {
    if (topLevel && !IsAbsolutelyPlaced(node)) return false;
    const DocxStoryReader inner(maxDepth_, depth_ + 1);
    for (const pugi::xml_node member : node.children()) {
      inner.VmlShape(member, false, groupDepth + 1, frames);
    }
    return true;
  }
  if (!IsVmlShapeName(name)) return false;
  if (topLevel && !IsAbsolutelyPlaced(node)) return false;  // an inline picture
  const pugi::xml_node textbox = node.child("v:textbox");
  if (textbox) {
    const bool textBoxType = std::string_view(node.attribute("type").value()) == "#_x0000_t202";
    AddFrame(frames, textBoxType ? PieceKind::TextBox : PieceKind::AutoShape,
             FrameText(textbox.child("w:txbxContent")), groupDepth);
    return true;
  }
  // A picture has no frame; any other shape has an empty one.
  if (!node.child("v:imagedata") && name != "v:image") {
    AddFrame(frames, PieceKind::AutoShape, std::u16string(), groupDepth);
  }
  return true;
}

}  // namespace tw
