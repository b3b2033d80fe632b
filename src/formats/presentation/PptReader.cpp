#include "formats/presentation/PptReader.h"

#include <map>
#include <set>

#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/presentation/PptDrawingReader.h"
#include "formats/presentation/PptFields.h"
#include "formats/presentation/PptRecords.h"

namespace tw::powerpoint {
namespace {

constexpr uint32_t kHeaderTokenEncrypted = 0xF3D1C4DF;
constexpr size_t kMaxUserEdits = 4096;
// Far beyond any real presentation; a directory that claims more is damaged or hostile, and
// would cost memory out of all proportion to the file.
constexpr size_t kMaxPersistEntries = size_t{1} << 22;

constexpr uint16_t kHeadersFootersSlideDefaults = 3;
constexpr uint16_t kFooterString = 2;
constexpr uint16_t kHasFooter = 0x0020;
constexpr uint16_t kSlideHidden = 0x0004;
constexpr uint16_t kCommentText = 1;
constexpr int kMaxCommentDepth = 8;

// The slide lists: slides, masters, notes pages.
constexpr uint16_t kSlideList = 0;
constexpr uint16_t kMasterList = 1;
constexpr uint16_t kNotesList = 2;

// The texts of one slide in its slide list, in the order of their TextHeaderAtoms; shapes refer
// to them by index. Each text keeps the fields it holds until the slide's values are known.
struct ListedTexts {
  uint32_t persistId = 0;
  uint32_t slideId = 0;
  std::vector<std::u16string> texts;
  std::vector<std::vector<TextField>> fields;

  std::vector<std::u16string> Shown(const FieldValues& values) const {
    std::vector<std::u16string> shown;
    for (size_t i = 0; i < texts.size(); ++i)
      shown.push_back(ShowFields(texts[i], fields[i], values));
    return shown;
  }
};

// The texts of the comments anywhere inside a slide container. They sit in its program tags, in
// the blob of a binary tag, which holds records though its header marks no container.
void CollectComments(Bytes body, int depth, std::vector<std::u16string>& comments) {
  if (depth > kMaxCommentDepth) return;
  for (const PptRecord& record : ReadPptChildren(body)) {
    if (record.type == kRecordComment10) {
      const std::optional<PptRecord> text = FindPptChild(record.body, kRecordCString, kCommentText);
      if (text) comments.push_back(TextOfCharsAtom(text->body));
    } else if (record.version == 0xF || record.type == kRecordBinaryTagData) {
      CollectComments(record.body, depth + 1, comments);
    }
  }
}

class PptReader {
 public:
  PptReader(Bytes currentUser, Bytes document, ContainerLimits limits)
      : currentUser_(currentUser), document_(document), limits_(limits) {}

  Document Read() {
    const uint32_t documentPersistId = ReadPersistDirectory(CurrentEditOffset());
    const PptRecord documentRecord = PersistObject(documentPersistId, kRecordDocument);
    Document document;
    ReadSlides(documentRecord.body, document);
    ReadTitleMaster(documentRecord.body, document);
    return document;
  }

 private:
  uint32_t CurrentEditOffset() const {
    const std::optional<PptRecord> atom = ReadPptRecord(currentUser_, 0);
    if (!atom || atom->type != kRecordCurrentUserAtom || atom->body.size() < 12) {
      throw ContainerError("the current user record is missing or damaged");
    }
    if (ReadU32(atom->body, 4) == kHeaderTokenEncrypted) {
      throw ContainerError("the presentation is encrypted");
    }
    return ReadU32(atom->body, 8);
  }

  // Follows the user edits from the newest to the oldest; a newer edit's entry for a persist
  // object hides the older ones. Returns the document's persist id of the newest edit.
  uint32_t ReadPersistDirectory(uint32_t editOffset) {
    uint32_t documentPersistId = 0;
    std::set<uint32_t> visited;
    for (uint32_t offset = editOffset; visited.insert(offset).second;) {
      if (visited.size() > kMaxUserEdits) throw ContainerError("too many user edits");
      const std::optional<PptRecord> edit = ReadPptRecord(document_, offset);
      if (!edit || edit->type != kRecordUserEditAtom || edit->body.size() < 20) {
        throw ContainerError("a user edit record is missing or damaged");
      }
      if (documentPersistId == 0) documentPersistId = ReadU32(edit->body, 16);
      ReadPersistDirectoryAtom(ReadU32(edit->body, 12));
      offset = ReadU32(edit->body, 8);
      if (offset == 0) break;
    }
    return documentPersistId;
  }

  void ReadPersistDirectoryAtom(uint32_t offset) {
    // Edits may share a directory; each is read once.
    if (!directoriesRead_.insert(offset).second) return;
    const std::optional<PptRecord> atom = ReadPptRecord(document_, offset);
    if (!atom || atom->type != kRecordPersistDirectoryAtom) {
      throw ContainerError("a persist directory is missing or damaged");
    }
    const Bytes body = atom->body;
    for (size_t at = 0; at + 4 <= body.size();) {
      const uint32_t entry = ReadU32(body, at);
      const uint32_t firstId = entry & 0xFFFFF;
      const uint32_t count = entry >> 20;
      at += 4;
      if (count > (body.size() - at) / 4) throw ContainerError("a persist directory is damaged");
      entriesRead_ += count;
      if (entriesRead_ > kMaxPersistEntries)
        throw ContainerError("a persist directory is too large");
      for (uint32_t k = 0; k < count; ++k, at += 4) {
        persistOffsets_.emplace(firstId + k, ReadU32(body, at));
      }
    }
  }

  PptRecord PersistObject(uint32_t persistId, uint16_t expectedType) const {
    std::optional<PptRecord> record = FindPersistObject(persistId);
    if (!record || record->type != expectedType) {
      throw ContainerError("a persist object is missing or damaged");
    }
    return *record;
  }

  std::optional<PptRecord> FindPersistObject(uint32_t persistId) const {
    const auto it = persistOffsets_.find(persistId);
    if (it == persistOffsets_.end()) return std::nullopt;
    return ReadPptRecord(document_, it->second);
  }

  // Slides and masters of a sound file never overlap, so what is walked stays within the
  // stream's size; a slide list that names the same bytes again and again is damaged.
  void ChargeWalk(const PptRecord& record) {
    walked_ += record.body.size();
    if (walked_ > 2 * static_cast<uint64_t>(document_.size()) + (1 << 16)) {
      throw ContainerError("the slide list names the same slides over and over");
    }
  }

  static std::vector<ListedTexts> ReadSlideList(Bytes documentBody, uint16_t instance) {
    std::vector<ListedTexts> list;
    const std::optional<PptRecord> slideList =
        FindPptChild(documentBody, kRecordSlideListWithText, instance);
    if (!slideList) return list;
    for (const PptRecord& record : ReadPptChildren(slideList->body)) {
      if (record.type == kRecordSlidePersistAtom) {
        list.push_back(ListedTexts{ReadU32(record.body, 0), ReadU32(record.body, 12), {}, {}});
      } else if (list.empty()) {
        continue;
      } else if (record.type == kRecordTextHeaderAtom) {
        list.back().texts.emplace_back();
        list.back().fields.emplace_back();
      } else if (list.back().texts.empty()) {
        continue;
      } else if (record.type == kRecordTextCharsAtom) {
        list.back().texts.back() = TextOfCharsAtom(record.body);
      } else if (record.type == kRecordTextBytesAtom) {
        list.back().texts.back() = TextOfBytesAtom(record.body);
      } else if (std::optional<TextField> field = FieldOfRecord(record)) {
        list.back().fields.back().push_back(*field);
      }
    }
    return list;
  }

  // Each slide's shapes with a text frame in z-order, then its footer (its own headers and
  // footers, or the presentation's defaults when it has none), its notes and its comments.
  void ReadSlides(Bytes documentBody, Document& document) {
    SlideContext context{FooterOf(documentBody, kHeadersFootersSlideDefaults),
                         FirstSlideNumber(documentBody),
                         LocalTimeNow(),
                         {}};
    for (const ListedTexts& notes : ReadSlideList(documentBody, kNotesList)) {
      context.notesPersistIds.emplace(notes.slideId, notes.persistId);
    }
    int index = 0;
    for (const ListedTexts& listed : ReadSlideList(documentBody, kSlideList)) {
      ReadSlide(listed, context, index++, document);
    }
  }

  // What every slide's reading needs of the presentation.
  struct SlideContext {
    std::u16string defaultFooter;
    int firstNumber = 1;
    std::tm now{};
    std::map<uint32_t, uint32_t> notesPersistIds;  // by the notes page's slide id
  };

  // Every piece of a hidden slide, its notes and comments too, is marked hidden.
  void ReadSlide(const ListedTexts& listed, const SlideContext& context, int index,
                 Document& document) {
    const PptRecord slide = PersistObject(listed.persistId, kRecordSlide);
    ChargeWalk(slide);
    FieldValues values{context.firstNumber + index, {}, {}, context.now};
    values.footer = FindPptChild(slide.body, kRecordHeadersFooters) ? FooterOf(slide.body, 0)
                                                                    : context.defaultFooter;
    const size_t first = document.pieces.size();
    AddDrawing(slide.body, listed.Shown(values), values, PieceKind::SlideShape, index, document);
    document.Add(PieceKind::SlideFooter, values.footer, index);
    const auto notes = context.notesPersistIds.find(ReadU32(SlideAtomOf(slide.body), 16));
    if (notes != context.notesPersistIds.end()) AddNotes(notes->second, values, index, document);
    std::vector<std::u16string> comments;
    CollectComments(slide.body, 0, comments);
    for (std::u16string& comment : comments) {
      document.Add(PieceKind::Comment, std::move(comment), index);
    }
    if (IsHidden(slide.body)) {
      for (size_t i = first; i < document.pieces.size(); ++i) document.pieces[i].hidden = true;
    }
  }

  void AddNotes(uint32_t persistId, const FieldValues& values, int index, Document& document) {
    const std::optional<PptRecord> notes = FindPersistObject(persistId);
    if (!notes || notes->type != kRecordNotes) return;
    ChargeWalk(*notes);
    AddDrawing(notes->body, {}, values, PieceKind::Notes, index, document);
  }

  // The shapes of a slide's or notes page's drawing, then the listed texts no shape showed.
  void AddDrawing(Bytes body, const std::vector<std::u16string>& texts, const FieldValues& values,
                  PieceKind kind, int index, Document& document) const {
    std::vector<DrawnText> shapes;
    PptDrawingReader reader(
        texts, kind == PieceKind::Notes ? DrawingLevel::NotesPage : DrawingLevel::Slide,
        limits_.maxXmlDepth, &values);
    reader.Read(body, shapes);
    AddUnreferencedTexts(texts, reader.Referenced(), shapes);
    for (DrawnText& shape : shapes) {
      document.Add(kind, std::move(shape.text), index).groupDepth = shape.groupDepth;
    }
  }

  static Bytes SlideAtomOf(Bytes slideBody) {
    const std::optional<PptRecord> atom = FindPptChild(slideBody, kRecordSlideAtom);
    return atom ? atom->body : Bytes();
  }

  static bool IsHidden(Bytes slideBody) {
    const std::optional<PptRecord> info = FindPptChild(slideBody, kRecordSlideShowSlideInfoAtom);
    return info && (ReadU16(info->body, 10) & kSlideHidden) != 0;
  }

  // The number the first slide shows; older files may leave it 0, which means 1.
  static int FirstSlideNumber(Bytes documentBody) {
    const std::optional<PptRecord> atom = FindPptChild(documentBody, kRecordDocumentAtom);
    const int first = atom ? static_cast<int16_t>(ReadU16(atom->body, 32)) : 1;
    return first > 0 ? first : 1;
  }

  // Among the masters, a slide record (rather than a main master) is the title master. Only its
  // top-level shapes count as its text frames; the members of its groups do not.
  void ReadTitleMaster(Bytes documentBody, Document& document) {
    for (const ListedTexts& listed : ReadSlideList(documentBody, kMasterList)) {
      const std::optional<PptRecord> master = FindPersistObject(listed.persistId);
      if (!master || master->type != kRecordSlide) continue;
      ChargeWalk(*master);
      std::vector<DrawnText> shapes;
      PptDrawingReader reader(listed.texts, DrawingLevel::Master, limits_.maxXmlDepth);
      reader.Read(master->body, shapes);
      document.hasTitleMaster = true;
      for (DrawnText& shape : shapes) {
        if (shape.groupDepth == 0) document.Add(PieceKind::TitleMaster, std::move(shape.text));
      }
      return;
    }
  }

  // Text a slide list holds for a slide but no shape refers to still belongs to the slide, as a
  // text box of its own above the others.
  static void AddUnreferencedTexts(const std::vector<std::u16string>& texts,
                                   const std::vector<bool>& referenced,
                                   std::vector<DrawnText>& shapes) {
    for (size_t i = 0; i < texts.size(); ++i) {
      if (referenced[i] || texts[i].empty()) continue;
      shapes.push_back({texts[i], 0});
    }
  }

  // The footer text of a headers-and-footers container, or nothing when it hides the footer.
  static std::u16string FooterOf(Bytes containerBody, uint16_t instance) {
    const std::optional<PptRecord> headersFooters =
        FindPptChild(containerBody, kRecordHeadersFooters, instance);
    if (!headersFooters) return {};
    const std::optional<PptRecord> atom =
        FindPptChild(headersFooters->body, kRecordHeadersFootersAtom);
    if (!atom || (ReadU16(atom->body, 2) & kHasFooter) == 0) return {};
    const std::optional<PptRecord> footer =
        FindPptChild(headersFooters->body, kRecordCString, kFooterString);
    return footer ? TextOfCharsAtom(footer->body) : std::u16string();
  }

  Bytes currentUser_;
  Bytes document_;
  ContainerLimits limits_;
  std::map<uint32_t, uint32_t> persistOffsets_;
  std::set<uint32_t> directoriesRead_;
  size_t entriesRead_ = 0;
  uint64_t walked_ = 0;
};

}  // namespace

Document ReadPptStreams(std::span<const uint8_t> currentUser, std::span<const uint8_t> document,
                        ContainerLimits limits) {
  return PptReader(currentUser, document, limits).Read();
}

Document ReadPpt(const std::string& path, ContainerLimits limits) {
  const CompoundFile file(path, limits);
  // A PowerPoint 95 file may carry a full PowerPoint 97 copy of itself in a storage of its own;
  // that copy is the one this reader understands.
  const std::string dual = "PP97_DUALSTORAGE/";
  const bool hasDualCopy = file.HasStream(dual + "PowerPoint Document");
  const std::string folder = hasDualCopy ? dual : "";
  if (!hasDualCopy && !file.HasStream("PowerPoint Document")) {
    throw ContainerError("not a PowerPoint presentation (no \"PowerPoint Document\" stream)");
  }
  const std::string currentUserName =
      file.HasStream(folder + "Current User") ? folder + "Current User" : "Current User";
  const std::vector<uint8_t> currentUser = file.ReadStream(currentUserName);
  const std::vector<uint8_t> document = file.ReadStream(folder + "PowerPoint Document");
  return ReadPptStreams(currentUser, document, limits);
}

}  // namespace tw::powerpoint
