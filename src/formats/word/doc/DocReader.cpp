#include "formats/word/doc/DocReader.h"

#include <algorithm>
#include <map>

#include "formats/ReadResult.h"
#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/word/WordText.h"
#include "formats/word/doc/DocBytes.h"
#include "formats/word/doc/DocCharacterRuns.h"
#include "formats/word/doc/DocCodePage.h"
#include "formats/word/doc/DocFib.h"
#include "formats/word/doc/DocPieceTable.h"
#include "formats/word/doc/DocStoryText.h"
#include "formats/word/doc/DocStreams.h"
#include "formats/word/doc/DocStyleSheet.h"

namespace tw {
namespace {

// The header plex starts with six note separator stories, then six stories per section:
// even header, odd (primary) header, even footer, odd (primary) footer, first-page header and
// footer.
constexpr size_t kSeparatorStories = 6;
constexpr size_t kStoriesPerSection = 6;
constexpr size_t kEvenHeader = 0;
constexpr size_t kPrimaryHeader = 1;
constexpr size_t kPrimaryFooter = 3;
constexpr size_t kFirstHeader = 4;
constexpr size_t kEvenFooter = 2;
constexpr uint64_t kSectionDescriptorSize = 12;
constexpr uint64_t kTextBoxDescriptorSize = 22;
constexpr uint64_t kTextBoxShapeIdAt = 14;  // the shape a text-box story belongs to
constexpr uint64_t kShapeAnchorSize = 26;   // an SPA, its shape id first
// Real documents stay far below these; a hostile table stream could otherwise make millions.
constexpr size_t kMaxSections = 100000;
constexpr size_t kMaxTextBoxes = 100000;

// Where a structure of the table stream lies, bounded by the stream; empty when the file has none.
std::span<const uint8_t> TableSlice(const DocFib& fib, const DocBytes& table, DocFib::Table which) {
  const DocTableRange range = fib.tables[which];
  if (range.length == 0) return {};
  return table.Slice(range.offset, range.length);
}

HeaderFooterType HeaderFooterOf(size_t role) {
  if (role == kEvenHeader || role == kEvenFooter) return HeaderFooterType::EvenPages;
  if (role == kFirstHeader || role == kFirstHeader + 1) return HeaderFooterType::FirstPage;
  return HeaderFooterType::Primary;
}

// Everything the stories are read from.
struct DocSources {
  DocBytes document;
  DocBytes table;
  DocFib fib;
  DocPieceTable pieces;
  DocCharacterRuns runs;

  std::span<const uint8_t> Table(DocFib::Table which) const {
    return TableSlice(fib, table, which);
  }

  std::u16string StoryText(DocStory story, uint64_t from, uint64_t to,
                           DocTextPart part = DocTextPart::Shown) const {
    const uint64_t start = fib.StoryStart(story);
    const uint64_t end = start + fib.StoryLength(story);
    return DocStoryText(
        pieces.Text(std::min(start + from, end), std::min(start + to, end), document, runs, part));
  }

  std::u16string WholeStory(DocStory story, DocTextPart part = DocTextPart::Shown) const {
    return StoryText(story, 0, fib.StoryLength(story), part);
  }
};

bool HasText(std::u16string_view text) {
  return text.find_first_not_of(kWordBreak) != std::u16string_view::npos;
}

// A stretch of a story as a piece (when it holds anything, unless `evenEmpty`), with its hidden
// text as a second piece beside it, flagged.
void AddStory(Document& document, PieceKind kind, const DocSources& sources, DocStory story,
              uint64_t from, uint64_t to, int container = 0, bool evenEmpty = false) {
  std::u16string shown = sources.StoryText(story, from, to);
  if (evenEmpty || !shown.empty()) document.Add(kind, std::move(shown), container);
  std::u16string hidden = sources.StoryText(story, from, to, DocTextPart::Hidden);
  if (HasText(hidden)) document.Add(kind, std::move(hidden), container).hidden = true;
}

void AddWholeStory(Document& document, PieceKind kind, const DocSources& sources, DocStory story,
                   bool evenEmpty = false) {
  AddStory(document, kind, sources, story, 0, sources.fib.StoryLength(story), 0, evenEmpty);
}

// The character positions of a plex: (n + 1) positions followed by n descriptors of one size.
std::vector<uint32_t> PlexPositions(std::span<const uint8_t> plex, uint64_t descriptorSize) {
  if (plex.size() < 4) return {};
  const uint64_t count = (plex.size() - 4) / (4 + descriptorSize);
  const DocBytes bytes(plex);
  std::vector<uint32_t> positions;
  positions.reserve(count + 1);
  for (uint64_t i = 0; i <= count; ++i) positions.push_back(bytes.U32(4 * i));
  return positions;
}

// The positions of a plex of stories (headers and footers, text boxes), made to only go forward:
// a position before the one in front of it is taken as that one, so its stretch is empty and no
// stretch of a story is read twice. Real files have such positions (a header plex ending in
// 0xFFFFFFFF, 0, 3); a damaged one could otherwise read one long story again for each of
// thousands of sections or text boxes.
std::vector<uint32_t> StoryPositions(std::span<const uint8_t> plex, uint64_t descriptorSize) {
  std::vector<uint32_t> positions = PlexPositions(plex, descriptorSize);
  for (size_t i = 1; i < positions.size(); ++i) {
    positions[i] = std::max(positions[i], positions[i - 1]);
  }
  return positions;
}

size_t SectionCount(const DocSources& sources) {
  const std::span<const uint8_t> plex = sources.Table(DocFib::SectionTable);
  const size_t count = plex.size() < 4 ? 0 : (plex.size() - 4) / (4 + kSectionDescriptorSize);
  if (count > kMaxSections) throw DocError("The document is damaged (it has too many sections)");
  return std::max<size_t>(count, 1);
}

// A section's own header or footer story, as a piece; none when the story is empty (linked to
// the previous section's).
void AddHeaderStory(Document& document, PieceKind kind, const DocSources& sources,
                    const std::vector<uint32_t>& positions, size_t index, size_t section) {
  if (index + 1 >= positions.size() || positions[index + 1] <= positions[index]) return;
  AddStory(document, kind, sources, DocStory::Headers, positions[index], positions[index + 1],
           static_cast<int>(section), true);
}

// Every shape that holds text (text box or autoshape) has a story in a text-box plex; a
// descriptor with its reusable flag set is a free slot, and the last story is a placeholder that
// belongs to no shape. `each` is given the story's range and the shape's id.
template <typename Each>
void ForEachTextBox(const DocSources& sources, DocFib::Table table, Each each) {
  const std::span<const uint8_t> plex = sources.Table(table);
  const std::vector<uint32_t> positions = StoryPositions(plex, kTextBoxDescriptorSize);
  const DocBytes bytes(plex);
  const uint64_t descriptorsAt = 4 * uint64_t{positions.size()};
  if (positions.size() > kMaxTextBoxes) {
    throw DocError("The document is damaged (it has too many text boxes)");
  }
  for (size_t i = 0; i + 2 < positions.size(); ++i) {
    const uint64_t descriptor = descriptorsAt + kTextBoxDescriptorSize * i;
    const bool reusable = bytes.U16(descriptor + 4) != 0;
    if (reusable || positions[i + 1] <= positions[i]) continue;
    each(positions[i], positions[i + 1], bytes.U32(descriptor + kTextBoxShapeIdAt));
  }
}

void AddTextBoxes(Document& document, const DocSources& sources) {
  ForEachTextBox(sources, DocFib::TextBoxTable, [&](uint32_t from, uint32_t to, uint32_t) {
    AddStory(document, PieceKind::TextBox, sources, DocStory::TextBoxes, from, to, 0, true);
  });
}

// The header story (by its place in the header plex) each shape of the headers and footers is
// anchored in, by shape id.
std::map<uint32_t, size_t> HeaderShapeStories(const DocSources& sources,
                                              const std::vector<uint32_t>& headerPositions) {
  const std::span<const uint8_t> plex = sources.Table(DocFib::HeaderShapeTable);
  const std::vector<uint32_t> anchors = PlexPositions(plex, kShapeAnchorSize);
  const DocBytes bytes(plex);
  std::map<uint32_t, size_t> stories;
  for (size_t i = 0; i + 1 < anchors.size(); ++i) {
    const uint32_t shapeId = bytes.U32(4 * uint64_t{anchors.size()} + kShapeAnchorSize * i);
    const auto after = std::upper_bound(headerPositions.begin(), headerPositions.end(), anchors[i]);
    if (after == headerPositions.begin()) continue;
    stories[shapeId] = static_cast<size_t>(after - headerPositions.begin()) - 1;
  }
  return stories;
}

// A text box in a header or footer counts with that header or footer, in whichever section
// shows it; one whose anchor cannot be found goes with the first section's primary header.
void AddHeaderTextBoxes(Document& document, const DocSources& sources,
                        const std::vector<uint32_t>& headerPositions) {
  const std::map<uint32_t, size_t> stories = HeaderShapeStories(sources, headerPositions);
  ForEachTextBox(
      sources, DocFib::HeaderTextBoxTable, [&](uint32_t from, uint32_t to, uint32_t shapeId) {
        const auto found = stories.find(shapeId);
        const size_t story = found == stories.end() || found->second < kSeparatorStories
                                 ? kSeparatorStories + kPrimaryHeader
                                 : found->second;
        const size_t role = (story - kSeparatorStories) % kStoriesPerSection;
        const bool header = role == kPrimaryHeader || role == kEvenHeader || role == kFirstHeader;
        const size_t before = document.pieces.size();
        AddStory(document, header ? PieceKind::Header : PieceKind::Footer, sources,
                 DocStory::HeaderTextBoxes, from, to,
                 static_cast<int>((story - kSeparatorStories) / kStoriesPerSection));
        for (size_t i = before; i < document.pieces.size(); ++i) {
          document.pieces[i].headerFooter = HeaderFooterOf(role);
        }
      });
}

void AddSections(Document& document, const DocSources& sources) {
  const size_t count = SectionCount(sources);
  document.sectionCount = static_cast<int>(count);
  const std::vector<uint32_t> positions = StoryPositions(sources.Table(DocFib::HeaderTable), 0);
  for (size_t s = 0; s < count; ++s) {
    const size_t base = kSeparatorStories + kStoriesPerSection * s;
    AddHeaderStory(document, PieceKind::Header, sources, positions, base + kPrimaryHeader, s);
    AddHeaderStory(document, PieceKind::Footer, sources, positions, base + kPrimaryFooter, s);
  }
  AddHeaderTextBoxes(document, sources, positions);
}

// Word 6.0/95 files: the headers and footers, and each kind of text box, are read as one story
// each, shown once.
void AddWord6Stories(Document& document, const DocSources& sources) {
  document.sectionCount = 1;
  AddWholeStory(document, PieceKind::Header, sources, DocStory::Headers);
  AddWholeStory(document, PieceKind::Header, sources, DocStory::HeaderTextBoxes);
  AddWholeStory(document, PieceKind::TextBox, sources, DocStory::TextBoxes);
}

Document ReadFromSources(const DocSources& sources) {
  Document document;
  AddWholeStory(document, PieceKind::Body, sources, DocStory::Main, true);
  AddWholeStory(document, PieceKind::Footnote, sources, DocStory::Footnotes);
  AddWholeStory(document, PieceKind::Endnote, sources, DocStory::Endnotes);
  AddWholeStory(document, PieceKind::Comment, sources, DocStory::Comments);
  if (sources.fib.word6) {
    AddWord6Stories(document, sources);
  } else {
    AddSections(document, sources);
    AddTextBoxes(document, sources);
  }
  return document;
}

Document ReadDoc(const CompoundFile& file) {
  if (!file.HasStream("WordDocument")) throw DocError("The file is not a Word document");
  const std::vector<uint8_t> documentStream = file.ReadStream("WordDocument");
  const DocFib fib = DocFib::Parse(DocBytes(documentStream));
  // Word 6.0/95 files keep their tables in the WordDocument stream itself.
  if (fib.word6) return ReadDocStreams(documentStream, documentStream);
  const std::string tableName = fib.tableStreamOne ? "1Table" : "0Table";
  // A stream whose sector chain is broken cannot even be opened, so it looks missing.
  if (!file.HasStream(tableName)) {
    throw DocError("The document is damaged (its table stream is missing or cannot be read)");
  }
  const std::vector<uint8_t> tableStream = file.ReadStream(tableName);
  return ReadDocStreams(documentStream, tableStream);
}

// Word gives each byte of text to one piece only, so all pieces together fit in the stream. Pieces
// that share their bytes would read the same text again and again: a file of a megabyte could
// claim gigabytes of text.
DocPieceTable CheckedPieces(DocPieceTable pieces, const DocBytes& document) {
  if (pieces.TextBytes() > document.Size()) {
    throw DocError("The document is damaged (its piece table reads the same text more than once)");
  }
  return pieces;
}

DocPieceTable PieceTableOf(const DocFib& fib, const DocBytes& tables, const DocBytes& document) {
  const std::span<const uint8_t> clx = TableSlice(fib, tables, DocFib::PieceTable);
  if (!fib.word6) return CheckedPieces(DocPieceTable(clx), document);
  const int codePage = fib.wideText ? kUtf16CodePage : CodePageOfLanguage(fib.language);
  if (fib.complex && !clx.empty()) {
    return CheckedPieces(DocPieceTable(clx, DocSprmForm::Word6, codePage), document);
  }
  if (fib.textEnd < fib.textStart) {
    throw DocError("The document is damaged (its text lies outside the file)");
  }
  return DocPieceTable::Contiguous(fib.textEnd - fib.textStart, fib.textStart, codePage);
}

}  // namespace

Document ReadDocStreams(std::span<const uint8_t> wordDocument, std::span<const uint8_t> table) {
  const DocBytes document(wordDocument);
  const DocFib fib = DocFib::Parse(document);
  const DocBytes tables(table);
  const DocSprmForm form = fib.word6 ? DocSprmForm::Word6 : DocSprmForm::Word97;
  // Word 6 style sheets are laid out differently; their hidden styles are not read.
  const DocStyleSheet styles =
      fib.word6 ? DocStyleSheet() : DocStyleSheet(TableSlice(fib, tables, DocFib::StyleSheet));
  const DocSources sources{
      document, tables, fib, PieceTableOf(fib, tables, document),
      DocCharacterRuns(document, TableSlice(fib, tables, DocFib::CharacterRuns), styles, form)};
  return ReadFromSources(sources);
}

Document ReadDocDocument(const std::string& path) {
  try {
    const CompoundFile file(path);
    return ReadDoc(file);
  } catch (const DocError& error) {
    throw ReaderError(std::string(error.what()) + ": " + path);
  } catch (const ContainerError& error) {
    throw ReaderError("The file is not a Word document or is damaged (" +
                      std::string(error.what()) + "): " + path);
  }
}

}  // namespace tw
