#include "support/LoopingDoc.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace tw::test {
namespace {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kEntrySize = 128;
constexpr uint32_t kEntriesPerSector = kSectorSize / kEntrySize;
constexpr uint32_t kLinksPerSector = kSectorSize / 4;
constexpr uint32_t kChainEnds = 0xFFFFFFFA;  // this and above: no next sector
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kFree = 0xFFFFFFFF;  // also "no entry" in the directory
constexpr uint32_t kStreamCutoff = 4096;
// The header's fields.
constexpr size_t kFatCountAt = 0x2C;
constexpr size_t kDirectoryAt = 0x30;
constexpr size_t kMiniFatAt = 0x3C;
constexpr size_t kFatListAt = 0x44;
constexpr size_t kFatListCountAt = 0x48;
constexpr size_t kHeaderFatList = 0x4C;
constexpr uint32_t kHeaderFatSlots = 109;
// A directory entry's fields.
constexpr size_t kNameLengthAt = 64;
constexpr size_t kLeft = 68;
constexpr size_t kRight = 72;
constexpr size_t kChild = 76;
constexpr size_t kStart = 116;
constexpr size_t kSize = 120;
// The Word file information block: stories and tables by their place.
constexpr size_t kMainStory = 0;
constexpr size_t kHeaderStory = 2;
constexpr size_t kTextBoxStory = 6;
constexpr size_t kSectionTable = 6;
constexpr size_t kHeaderTable = 11;
constexpr size_t kPieceTable = 33;
constexpr size_t kTextBoxTable = 56;
constexpr uint32_t kEightBitText = 0x40000000;
constexpr uint32_t kRepeats = 2000;

uint32_t Get(const std::string& bytes, size_t at, int size = 4) {
  if (at + size > bytes.size()) throw std::out_of_range("a read past the end of the fixture");
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

void Set(std::string& bytes, size_t at, uint32_t value) {
  if (at + 4 > bytes.size()) throw std::out_of_range("a write past the end of the fixture");
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void Append(std::string& bytes, uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

size_t SectorAt(uint32_t sector) {
  return kSectorSize * (size_t{sector} + 1);
}

// The fixture's compound file, to find its chains and directory entries and patch them.
class Compound {
 public:
  explicit Compound(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string& Bytes() { return bytes_; }

  size_t FatLinkAt(uint32_t sector) const {
    return SectorAt(Get(bytes_, kHeaderFatList + 4 * (sector / kLinksPerSector))) +
           4 * (sector % kLinksPerSector);
  }
  size_t MiniFatLinkAt(uint32_t mini) const {
    return SectorAt(Chain(Get(bytes_, kMiniFatAt)).at(mini / kLinksPerSector)) +
           4 * (mini % kLinksPerSector);
  }
  // Followed no further than the file has sectors: the fixture is sound, and this must not
  // loop either.
  std::vector<uint32_t> Chain(uint32_t start, bool mini = false) const {
    std::vector<uint32_t> chain;
    for (uint32_t s = start; s < kChainEnds;
         s = Get(bytes_, mini ? MiniFatLinkAt(s) : FatLinkAt(s))) {
      if (chain.size() > bytes_.size() / kMiniSectorSize) throw std::runtime_error("chain loops");
      chain.push_back(s);
    }
    return chain;
  }
  std::vector<uint32_t> Directory() const { return Chain(Get(bytes_, kDirectoryAt)); }
  size_t EntryAt(uint32_t entry) const {
    return SectorAt(Directory().at(entry / kEntriesPerSector)) +
           kEntrySize * (entry % kEntriesPerSector);
  }
  uint32_t Entry(std::string_view name) const {
    const uint32_t count = static_cast<uint32_t>(Directory().size()) * kEntriesPerSector;
    for (uint32_t entry = 0; entry < count; ++entry) {
      std::string utf16;
      for (char c : name) utf16 += {c, '\0'};
      const size_t at = EntryAt(entry);
      if (Get(bytes_, at + kNameLengthAt, 2) == utf16.size() + 2 &&
          bytes_.compare(at, utf16.size(), utf16) == 0) {
        return entry;
      }
    }
    throw std::runtime_error("the fixture has no entry " + std::string(name));
  }
  uint32_t Field(uint32_t entry, size_t field) const { return Get(bytes_, EntryAt(entry) + field); }
  void SetField(uint32_t entry, size_t field, uint32_t value) {
    Set(bytes_, EntryAt(entry) + field, value);
  }
  std::string Stream(std::string_view name) const {
    const uint32_t entry = Entry(name);
    const uint32_t size = Field(entry, kSize);
    std::string data;
    if (size >= kStreamCutoff) {
      for (uint32_t s : Chain(Field(entry, kStart)))
        data += bytes_.substr(SectorAt(s), kSectorSize);
    } else {
      std::string ministream;  // the root entry's own stream
      for (uint32_t s : Chain(Field(0, kStart)))
        ministream += bytes_.substr(SectorAt(s), kSectorSize);
      for (uint32_t m : Chain(Field(entry, kStart), true)) {
        data += ministream.substr(size_t{kMiniSectorSize} * m, kMiniSectorSize);
      }
    }
    if (data.size() < size) throw std::runtime_error("stream cut short");
    return data.substr(0, size);
  }
  uint32_t FreeSector() const {
    for (uint32_t s = 0; SectorAt(s) + kSectorSize <= bytes_.size(); ++s) {
      if (Get(bytes_, FatLinkAt(s)) == kFree) return s;
    }
    throw std::runtime_error("the fixture has no free sector");
  }

 private:
  std::string bytes_;
};

std::string DirectoryEntry(std::string_view name, uint8_t type, uint32_t right, uint32_t child,
                           uint32_t start, uint32_t size) {
  std::string entry(kEntrySize, '\0');
  for (size_t i = 0; i < name.size(); ++i) entry[2 * i] = name[i];
  Set(entry, kNameLengthAt, static_cast<uint32_t>(2 * name.size() + 2) | (type << 16) | (1u << 24));
  Set(entry, kLeft, kFree);
  Set(entry, kRight, right);
  Set(entry, kChild, child);
  Set(entry, kStart, start);
  Set(entry, kSize, size);
  return entry;
}

// A new compound file holding `streams` (at most three), each padded to the cutoff at least so
// none goes into the mini stream; each entry is the right sibling of the one before.
std::string CompoundFileOf(std::vector<std::pair<std::string, std::string>> streams) {
  uint32_t sectors = 0;
  for (auto& [name, data] : streams) {
    data.resize(std::max<size_t>(data.size(), kStreamCutoff));
    data.resize((data.size() + kSectorSize - 1) / kSectorSize * kSectorSize);
    sectors += static_cast<uint32_t>(data.size() / kSectorSize);
  }
  uint32_t fatSectors = 1;
  while (fatSectors + 1 + sectors > fatSectors * kLinksPerSector) ++fatSectors;
  if (fatSectors > kHeaderFatSlots) throw std::runtime_error("streams too large");
  std::vector<uint32_t> fat(size_t{fatSectors} * kLinksPerSector, kFree);
  for (uint32_t i = 0; i < fatSectors; ++i) fat[i] = kFatSector;
  fat[fatSectors] = kEndOfChain;  // the directory
  std::string directory = DirectoryEntry("Root Entry", 5, kFree, 1, kEndOfChain, 0);
  uint32_t next = fatSectors + 1;
  for (size_t i = 0; i < streams.size(); ++i) {
    const auto count = static_cast<uint32_t>(streams[i].second.size() / kSectorSize);
    for (uint32_t k = 0; k < count; ++k) fat[next + k] = k + 1 < count ? next + k + 1 : kEndOfChain;
    const uint32_t right = i + 1 < streams.size() ? static_cast<uint32_t>(i + 2) : kFree;
    directory += DirectoryEntry(streams[i].first, 2, right, kFree, next,
                                static_cast<uint32_t>(streams[i].second.size()));
    next += count;
  }
  directory.resize(kSectorSize, '\0');

  std::string file = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(16, '\0');
  for (uint32_t field : {0x3Eu, 3u, 0xFFFEu, 9u, 6u}) Append(file, field, 2);
  file.resize(kFatCountAt, '\0');
  for (uint32_t field :
       {fatSectors, fatSectors, 0u, kStreamCutoff, kEndOfChain, 0u, kEndOfChain, 0u}) {
    Append(file, field);
  }
  for (uint32_t i = 0; i < kHeaderFatSlots; ++i) Append(file, i < fatSectors ? i : kFree);
  for (uint32_t link : fat) Append(file, link);
  file += directory;
  for (const auto& stream : streams) file += stream.second;
  return file;
}

// Where the file information block keeps the story lengths and the offset/length table.
struct FibPlaces {
  size_t stories;
  size_t tables;
};

FibPlaces PlacesOf(const std::string& document) {
  const size_t longs = 34 + 2 * size_t{Get(document, 32, 2)} + 2;
  const size_t longCount = Get(document, longs - 2, 2);
  return {longs + 4 * 3, longs + 4 * longCount + 2};
}

// A piece table of `count` pieces of `chars` characters, every one reading 8-bit text from the
// start of the WordDocument stream.
std::string PiecesFromTheStart(uint32_t count, uint32_t chars) {
  std::string plex;
  for (uint32_t i = 0; i <= count; ++i) Append(plex, i * chars);
  for (uint32_t i = 0; i < count; ++i) {
    Append(plex, 0, 2);
    Append(plex, kEightBitText);  // at byte 0
    Append(plex, 0, 2);
  }
  std::string clx = "\x02";
  Append(clx, static_cast<uint32_t>(plex.size()));
  return clx + plex;
}

// A plex of `count` + 1 positions, 0 up to `from`, then going back and forth between 0 and `end`,
// and `count` zeroed descriptors.
std::string BackAndForth(uint32_t count, uint32_t from, uint32_t end, size_t descriptorSize) {
  std::string plex;
  for (uint32_t i = 0; i <= count; ++i) Append(plex, i < from || (i - from) % 2 == 0 ? 0 : end);
  return plex + std::string(count * descriptorSize, '\0');
}

std::string RebuiltWithTables(const Compound& fixture, DocLoop loop) {
  std::string document = fixture.Stream("WordDocument");
  std::string table = fixture.Stream("1Table");
  while (document.size() < kLoopingDocBytes) document += "A ";
  const auto size = static_cast<uint32_t>(document.size());
  const FibPlaces fib = PlacesOf(document);
  const auto story = [&](size_t which, uint32_t length) {
    Set(document, fib.stories + 4 * which, length);
  };
  const auto add = [&](size_t which, const std::string& bytes) {
    Set(document, fib.tables + 8 * which, static_cast<uint32_t>(table.size()));
    Set(document, fib.tables + 8 * which + 4, static_cast<uint32_t>(bytes.size()));
    table += bytes;
  };
  if (loop == DocLoop::PiecesShareTheirText) {
    add(kPieceTable, PiecesFromTheStart(kRepeats, size));
    story(kMainStory, kRepeats * size);
  } else {
    // One piece for all the text: a short main story, then the story that is read again.
    constexpr uint32_t kMain = 16;
    add(kPieceTable, PiecesFromTheStart(1, size));
    story(kMainStory, kMain);
    if (loop == DocLoop::HeadersGoBack) {
      story(kHeaderStory, size - kMain);
      std::string sections;
      for (uint32_t i = 0; i <= kRepeats; ++i) Append(sections, i);
      add(kSectionTable, sections + std::string(12 * kRepeats, '\0'));
      // The first section's primary header is the seventh story.
      add(kHeaderTable, BackAndForth(6 + 6 * kRepeats, 7, size - kMain, 0));
    } else {
      story(kTextBoxStory, size - kMain);
      add(kTextBoxTable, BackAndForth(kRepeats, 0, size - kMain, 22));
    }
  }
  return CompoundFileOf({{"1Table", table}, {"WordDocument", document}});
}

std::string Patched(Compound fixture, DocLoop loop) {
  std::string& bytes = fixture.Bytes();
  const std::vector<uint32_t> document =
      fixture.Chain(fixture.Field(fixture.Entry("WordDocument"), kStart));
  const uint32_t table = fixture.Entry("1Table");
  switch (loop) {
    case DocLoop::SectorChainToItself:
      Set(bytes, fixture.FatLinkAt(document.at(2)), document.at(2));
      break;
    case DocLoop::SectorChainToItsStart:
      Set(bytes, fixture.FatLinkAt(document.back()), document.front());
      break;
    case DocLoop::MiniChainToItself: {
      const uint32_t mini = fixture.Chain(fixture.Field(table, kStart), true).at(2);
      Set(bytes, fixture.MiniFatLinkAt(mini), mini);
      break;
    }
    case DocLoop::DirectoryChainToItsStart:
      Set(bytes, fixture.FatLinkAt(fixture.Directory().back()), fixture.Directory().front());
      break;
    case DocLoop::EntryIsItsOwnSibling:
      fixture.SetField(table, kLeft, table);
      break;
    case DocLoop::SiblingBackUpTheTree:
      // The last entry, a leaf, leads back to the root's first child.
      fixture.SetField(fixture.Entry("\x05"
                                     "DocumentSummaryInformation"),
                       kRight, fixture.Field(0, kChild));
      break;
    case DocLoop::RootIsItsOwnChild:
      fixture.SetField(0, kChild, 0);
      break;
    default: {  // FatListToItself
      // More FAT sectors than the header lists, the rest in a list sector that goes on in itself.
      const uint32_t list = fixture.FreeSector();
      Set(bytes, kFatCountAt, kHeaderFatSlots + 1);
      Set(bytes, kFatListAt, list);
      Set(bytes, kFatListCountAt, 1);
      for (uint32_t i = 0; i < kLinksPerSector; ++i) {
        Set(bytes, SectorAt(list) + 4 * i, i + 1 < kLinksPerSector ? 0 : list);
      }
      for (uint32_t i = 1; i < kHeaderFatSlots; ++i) Set(bytes, kHeaderFatList + 4 * i, 0);
    }
  }
  return std::move(bytes);
}

}  // namespace

std::string LoopingDoc(DocLoop loop) {
  Compound fixture(ReadFileBytes(FixturePath("word/table.doc")));
  switch (loop) {
    case DocLoop::PiecesShareTheirText:
    case DocLoop::HeadersGoBack:
    case DocLoop::TextBoxesGoBack:
      return RebuiltWithTables(fixture, loop);
    default:
      return Patched(std::move(fixture), loop);
  }
}

}  // namespace tw::test
