#include "formats/presentation/PptDrawingReader.h"

#include "formats/container/ContainerError.h"

namespace tw::powerpoint {
namespace {

// Shape flags of an OfficeArtFSP record.
constexpr uint32_t kFspGroup = 0x001;
constexpr uint32_t kFspPatriarch = 0x004;
constexpr uint32_t kFspDeleted = 0x008;
constexpr uint32_t kFspBackground = 0x400;

// Shape kinds (the FSP record's instance) that carry no text frame.
constexpr uint16_t kSptLine = 20;
constexpr uint16_t kSptPictureFrame = 75;
bool IsConnectorSpt(uint16_t spt) {
  return spt >= 32 && spt <= 40;
}

// Placeholder kinds that are a slide's date, slide number, footer and header.
bool IsHeaderFooterPlaceholder(uint8_t kind) {
  return kind >= 0x07 && kind <= 0x0A;
}

// Pictures and lines have no text frame unless they carry text of their own.
bool HasTextFrame(uint16_t spt, bool placeholder, bool hasTextbox) {
  if (hasTextbox || placeholder) return true;
  return spt != kSptPictureFrame && spt != kSptLine && !IsConnectorSpt(spt);
}

// Later writers mark a header or footer placeholder with a round-trip atom of one byte instead.
bool IsRoundTripHeaderFooter(Bytes shapeBody) {
  const std::optional<PptRecord> clientData = FindPptChild(shapeBody, kRecordClientData);
  if (!clientData) return false;
  const std::optional<PptRecord> atom =
      FindPptChild(clientData->body, kRecordRoundTripHeaderFooterAtom);
  return atom && !atom->body.empty() && IsHeaderFooterPlaceholder(atom->body[0]);
}

std::optional<uint8_t> PlaceholderKind(Bytes shapeBody) {
  const std::optional<PptRecord> clientData = FindPptChild(shapeBody, kRecordClientData);
  if (!clientData) return std::nullopt;
  const std::optional<PptRecord> atom = FindPptChild(clientData->body, kRecordPlaceholderAtom);
  if (!atom || atom->body.size() < 6) return std::nullopt;
  return atom->body[4];
}

}  // namespace

PptDrawingReader::PptDrawingReader(const std::vector<std::u16string>& listedTexts,
                                   DrawingLevel level, int maxDepth, const FieldValues* fieldValues)
    : listedTexts_(listedTexts),
      referenced_(listedTexts.size(), false),
      level_(level),
      maxDepth_(maxDepth),
      fieldValues_(fieldValues) {}

void PptDrawingReader::Read(Bytes slideBody, std::vector<DrawnText>& shapes) {
  const std::optional<PptRecord> drawing = FindPptChild(slideBody, kRecordDrawing);
  if (!drawing) return;
  const std::optional<PptRecord> dg = FindPptChild(drawing->body, kRecordDgContainer);
  if (!dg) return;
  const std::optional<PptRecord> group = FindPptChild(dg->body, kRecordSpgrContainer);
  if (group) ReadGroup(group->body, shapes, 0);
}

void PptDrawingReader::ReadGroup(Bytes groupBody, std::vector<DrawnText>& shapes, int depth) {
  if (depth > maxDepth_) throw ContainerError("shapes are nested too deeply");
  for (const PptRecord& child : ReadPptChildren(groupBody)) {
    if (child.type == kRecordSpgrContainer) {
      ReadGroup(child.body, shapes, depth + 1);
    } else if (child.type == kRecordSpContainer) {
      ReadShape(child.body, shapes, depth);
    }
  }
}

void PptDrawingReader::ReadShape(Bytes body, std::vector<DrawnText>& shapes, int depth) {
  const std::optional<PptRecord> fsp = FindPptChild(body, kRecordFsp);
  if (!fsp) return;
  // The group's own record, the background and deleted shapes are no shapes of the slide.
  const uint32_t flags = ReadU32(fsp->body, 4);
  if (flags & (kFspGroup | kFspPatriarch | kFspDeleted | kFspBackground)) return;
  const std::optional<uint8_t> placeholder = PlaceholderKind(body);
  if (level_ != DrawingLevel::Master && placeholder && IsHeaderFooterPlaceholder(*placeholder)) {
    return;
  }
  if (level_ == DrawingLevel::NotesPage && IsRoundTripHeaderFooter(body)) return;
  const std::optional<PptRecord> textbox = FindPptChild(body, kRecordClientTextbox);
  if (!HasTextFrame(fsp->instance, placeholder.has_value(), textbox.has_value())) return;
  shapes.push_back({textbox ? TextOfTextbox(textbox->body) : std::u16string(), depth});
}

// A text box holds its text itself, or refers to a text of the slide list by index.
std::u16string PptDrawingReader::TextOfTextbox(Bytes body) {
  std::u16string text;
  std::vector<TextField> fields;
  for (const PptRecord& record : ReadPptChildren(body)) {
    if (std::optional<TextField> field = FieldOfRecord(record)) fields.push_back(*field);
    if (record.type == kRecordTextCharsAtom) text = TextOfCharsAtom(record.body);
    if (record.type == kRecordTextBytesAtom) text = TextOfBytesAtom(record.body);
    if (record.type == kRecordOutlineTextRefAtom) {
      const uint32_t index = ReadU32(record.body, 0);
      if (index < listedTexts_.size()) {
        referenced_[index] = true;
        text = listedTexts_[index];
      }
    }
  }
  return fieldValues_ != nullptr ? ShowFields(std::move(text), fields, *fieldValues_) : text;
}

}  // namespace tw::powerpoint
