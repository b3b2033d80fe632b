#pragma once

#include <functional>
#include <string>
#include <vector>

#include "counting/TextScan.h"
#include "counting/TextSegments.h"
#include "formats/Document.h"

namespace tw {

// The segments of the pieces a counter counts, in reading order: a piece (a paragraph run, a
// table cell, a shape, a page) never shares a segment with another.
std::vector<SegmentWords> SegmentsOfPieces(const Document& document,
                                           const std::function<bool(const TextPiece&)>& counted,
                                           const WordsOfText& wordsOf);

// Words of a text by the plain-text rules of the presentation, PDF and text-document counters.
WordsOfText PlainTextWords(TextRules rules);

// The segments of a plain-text file, from the bytes its count read (decoded as text files are
// read: by their byte-order mark, else as UTF-8, else as Windows Latin-1). A file holding a NUL
// is no text and has none.
std::vector<SegmentWords> TextFileSegments(std::string bytes, TextRules rules);
// The segments of an HTML file as shown, from the bytes its count read (decoded the same way):
// tags, scripts and styles left out, block elements ending paragraphs, character references
// decoded.
std::vector<SegmentWords> HtmlFileSegments(std::string bytes, TextRules rules);

}  // namespace tw
