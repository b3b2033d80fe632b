#pragma once

#include <string>
#include <vector>

namespace tw {

// Where a piece of a document's text lives. Readers say where; the counters decide what counts.
enum class PieceKind {
  Body,       // running text of a word-processing document
  TableCell,  // a cell of a table in the running text
  Footnote,
  Endnote,
  Comment,
  Header,       // of section `container`, of type `headerFooter`
  Footer,       // likewise
  TextBox,      // a floating text box, `groupDepth` groups deep
  AutoShape,    // a drawn shape that holds text, likewise
  SlideShape,   // text of a shape on slide `container` (table cells and group members too)
  SlideFooter,  // the footer slide `container` shows
  Notes,        // the notes page of slide `container`
  TitleMaster,  // a text frame of the title master
  Master,       // a text frame of a slide master
  Layout,       // a text frame of a slide layout
  PdfPage,      // the text of page `container`, in reading order
  Chart,        // a chart's title, axis titles, category and series names, on `container`
  Diagram,      // a diagram's (SmartArt's) text, on `container`
  SheetCell,    // the text of one spreadsheet cell on sheet `container`
  Segment,      // the text of one translation unit or catalogue message
  Cue,          // the text of one subtitle cue
  Block,        // a stretch of visible text of a plain or marked-up text format
};

// Which of a section's headers or footers a piece is.
enum class HeaderFooterType { Primary, FirstPage, EvenPages };

// A tracked change the text belongs to.
enum class Revision { None, Inserted, Deleted };

// One stretch of text and where it lives. Text is UTF-16; in word-processing documents every
// paragraph mark, cell end and break is U+000D (see the Word readers).
struct TextPiece {
  PieceKind kind = PieceKind::Body;
  std::u16string text;
  int container = 0;  // 0-based section, slide or page the piece belongs to
  HeaderFooterType headerFooter = HeaderFooterType::Primary;
  int groupDepth = 0;   // shapes: 0 at top level, 1 inside a group, ...
  bool hidden = false;  // hidden text, or any text of a hidden slide
  Revision revision = Revision::None;
  bool fieldResult = false;
};

// A document as a reader hands it over: its text pieces in reading order. Readers count nothing.
struct Document {
  std::vector<TextPiece> pieces;
  // Word-processing documents: how many sections there are (a header or footer is only present
  // for the sections that have their own; the others show the previous section's).
  int sectionCount = 0;
  // Presentations: whether the deck has a title master.
  bool hasTitleMaster = false;

  TextPiece& Add(PieceKind kind, std::u16string text, int container = 0) {
    TextPiece& piece = pieces.emplace_back();
    piece.kind = kind;
    piece.text = std::move(text);
    piece.container = container;
    return piece;
  }
};

}  // namespace tw
