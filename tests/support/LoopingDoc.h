#pragma once

// Word 97 documents whose structures refer back to themselves, so that a reader following them
// naively would go round for ever or read the same text without end. Each is the table fixture
// (word/table.doc: 11 words) with bytes patched, or its streams put into a new compound file
// with the tables that refer back added.
#include <cstdint>
#include <string>

namespace tw::test {

enum class DocLoop {
  // The compound file's chains and trees.
  SectorChainToItself,       // a sector of the WordDocument stream is its own next sector
  SectorChainToItsStart,     // the WordDocument stream's last sector leads back to its first
  MiniChainToItself,         // a mini sector of the table stream is its own next one
  DirectoryChainToItsStart,  // the directory's last sector leads back to its first
  EntryIsItsOwnSibling,      // the table stream's directory entry is its own left sibling
  SiblingBackUpTheTree,      // a directory entry's right sibling is an entry above it
  RootIsItsOwnChild,         // the root storage holds itself
  FatListToItself,           // the list of FAT sectors goes on in itself
  // Word's own tables, in a file of about a megabyte.
  PiecesShareTheirText,  // 2 000 pieces, each reading the whole WordDocument stream
  HeadersGoBack,         // each of 2 000 sections' headers reads the whole header story
  TextBoxesGoBack,       // each of 2 000 text boxes reads the whole text-box story
};

// The rebuilt documents' WordDocument stream, about this long: its text holds at most one word
// in two bytes, once read.
inline constexpr uint32_t kLoopingDocBytes = 1u << 20;

// The bytes of the document.
std::string LoopingDoc(DocLoop loop);

}  // namespace tw::test
