#include "formats/presentation/PptReader.h"

#include <map>
#include <set>

#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/presentation/PptDrawingReader.h"
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

// The texts of one slide in its slide list, in the order of their TextHeaderAtoms; shapes refer
// to them by index.
struct ListedTexts {
  uint32_t persistId = 0;
  std::vector<std::u16string> texts;
};

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
        list.push_back(ListedTexts{ReadU32(record.body, 0), {}});
      } else if (list.empty()) {
        continue;
      } else if (record.type == kRecordTextHeaderAtom) {
        list.back().texts.emplace_back();
      } else if (!list.back().texts.empty() && record.type == kRecordTextCharsAtom) {
        list.back().texts.back() = TextOfCharsAtom(record.body);
      } else if (!list.back().texts.empty() && record.type == kRecordTextBytesAtom) {
        list.back().texts.back() = TextOfBytesAtom(record.body);
      }
    }
    return list;
  }

  // Each slide's shapes with a text frame in z-order, then its footer (its own headers and
  // footers, or the presentation's defaults when it has none).
  void ReadSlides(Bytes documentBody, Document& document) {
    const std::u16string defaultFooter = FooterOf(documentBody, kHeadersFootersSlideDefaults);
    int index = 0;
    for (const ListedTexts& listed : ReadSlideList(documentBody, 0)) {
      const PptRecord slide = PersistObject(listed.persistId, kRecordSlide);
      ChargeWalk(slide);
      std::vector<DrawnText> shapes;
      PptDrawingReader reader(listed.texts, /*slideLevel=*/true, limits_.maxXmlDepth);
      reader.Read(slide.body, shapes);
      AddUnreferencedTexts(listed.texts, reader.Referenced(), shapes);
      for (DrawnText& shape : shapes) {
        document.Add(PieceKind::SlideShape, std::move(shape.text), index).groupDepth =
            shape.groupDepth;
      }
      document.Add(
          PieceKind::SlideFooter,
          FindPptChild(slide.body, kRecordHeadersFooters) ? FooterOf(slide.body, 0) : defaultFooter,
          index);
      ++index;
    }
  }

  // Among the masters, a slide record (rather than a main master) is the title master. Only its
  // top-level shapes count as its text frames; the members of its groups do not.
  void ReadTitleMaster(Bytes documentBody, Document& document) {
    for (const ListedTexts& listed : ReadSlideList(documentBody, 1)) {
      const std::optional<PptRecord> master = FindPersistObject(listed.persistId);
      if (!master || master->type != kRecordSlide) continue;
      ChargeWalk(*master);
      std::vector<DrawnText> shapes;
      PptDrawingReader reader(listed.texts, /*slideLevel=*/false, limits_.maxXmlDepth);
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
  if (!file.HasStream("PowerPoint Document")) {
    throw ContainerError("not a PowerPoint presentation (no \"PowerPoint Document\" stream)");
  }
  const std::vector<uint8_t> currentUser = file.ReadStream("Current User");
  const std::vector<uint8_t> document = file.ReadStream("PowerPoint Document");
  return ReadPptStreams(currentUser, document, limits);
}

}  // namespace tw::powerpoint
