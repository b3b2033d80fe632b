#include "formats/word/doc/DocReader.h"

#include <algorithm>

#include "formats/ReadResult.h"
#include "formats/container/CompoundFile.h"
#include "formats/container/ContainerError.h"
#include "formats/word/WordText.h"
#include "formats/word/doc/DocBytes.h"
#include "formats/word/doc/DocCharacterRuns.h"
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
constexpr size_t kPrimaryHeader = 1;
constexpr size_t kPrimaryFooter = 3;
constexpr uint64_t kSectionDescriptorSize = 12;
constexpr uint64_t kTextBoxDescriptorSize = 22;
// Real documents stay far below these; a hostile table stream could otherwise make millions.
constexpr size_t kMaxSections = 100000;
constexpr size_t kMaxTextBoxes = 100000;

// Where a structure of the table stream lies, bounded by the stream; empty when the file has none.
std::span<const uint8_t> TableSlice(const DocFib& fib, const DocBytes& table, DocFib::Table which) {
  const DocTableRange range = fib.tables[which];
  if (range.length == 0) return {};
  return table.Slice(range.offset, range.length);
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

  std::u16string StoryText(DocStory story, uint64_t from, uint64_t to) const {
    const uint64_t start = fib.StoryStart(story);
    const uint64_t end = start + fib.StoryLength(story);
    return DocStoryText(
        pieces.Text(std::min(start + from, end), std::min(start + to, end), document, runs));
  }

  std::u16string WholeStory(DocStory story) const {
    return StoryText(story, 0, fib.StoryLength(story));
  }
};

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
  document.Add(kind, sources.StoryText(DocStory::Headers, positions[index], positions[index + 1]),
               static_cast<int>(section));
}

void AddSections(Document& document, const DocSources& sources) {
  const size_t count = SectionCount(sources);
  document.sectionCount = static_cast<int>(count);
  const std::vector<uint32_t> positions = PlexPositions(sources.Table(DocFib::HeaderTable), 0);
  for (size_t s = 0; s < count; ++s) {
    const size_t base = kSeparatorStories + kStoriesPerSection * s;
    AddHeaderStory(document, PieceKind::Header, sources, positions, base + kPrimaryHeader, s);
    AddHeaderStory(document, PieceKind::Footer, sources, positions, base + kPrimaryFooter, s);
  }
}

// Every shape that holds text (text box or autoshape) has a story in the text-box plex; a
// descriptor with its reusable flag set is a free slot, and the last story is a placeholder that
// belongs to no shape.
void AddTextBoxes(Document& document, const DocSources& sources) {
  const std::span<const uint8_t> plex = sources.Table(DocFib::TextBoxTable);
  const std::vector<uint32_t> positions = PlexPositions(plex, kTextBoxDescriptorSize);
  const DocBytes bytes(plex);
  const uint64_t descriptorsAt = 4 * uint64_t{positions.size()};
  if (positions.size() > kMaxTextBoxes) {
    throw DocError("The document is damaged (it has too many text boxes)");
  }
  for (size_t i = 0; i + 2 < positions.size(); ++i) {
    const bool reusable = bytes.U16(descriptorsAt + kTextBoxDescriptorSize * i + 4) != 0;
    if (reusable || positions[i + 1] <= positions[i]) continue;
    AddFrame(document.pieces, PieceKind::TextBox,
             sources.StoryText(DocStory::TextBoxes, positions[i], positions[i + 1]), 0);
  }
}

Document ReadFromSources(const DocSources& sources) {
  Document document;
  document.Add(PieceKind::Body, sources.WholeStory(DocStory::Main));
  AddNotes(document, PieceKind::Footnote, sources.WholeStory(DocStory::Footnotes));
  AddNotes(document, PieceKind::Endnote, sources.WholeStory(DocStory::Endnotes));
  AddSections(document, sources);
  AddTextBoxes(document, sources);
  return document;
}

Document ReadDoc(const CompoundFile& file) {
  if (!file.HasStream("WordDocument")) throw DocError("The file is not a Word document");
  const std::vector<uint8_t> documentStream = file.ReadStream("WordDocument");
  const std::string tableName =
      DocFib::Parse(DocBytes(documentStream)).tableStreamOne ? "1Table" : "0Table";
  if (!file.HasStream(tableName)) {
    throw DocError("The document is damaged (its table stream is missing)");
  }
  const std::vector<uint8_t> tableStream = file.ReadStream(tableName);
  return ReadDocStreams(documentStream, tableStream);
}

}  // namespace

Document ReadDocStreams(std::span<const uint8_t> wordDocument, std::span<const uint8_t> table) {
  const DocBytes document(wordDocument);
  const DocFib fib = DocFib::Parse(document);
  const DocBytes tables(table);
  const DocSources sources{
      document, tables, fib, DocPieceTable(TableSlice(fib, tables, DocFib::PieceTable)),
      DocCharacterRuns(document, TableSlice(fib, tables, DocFib::CharacterRuns),
                       DocStyleSheet(TableSlice(fib, tables, DocFib::StyleSheet)))};
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
