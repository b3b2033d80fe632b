#pragma once

#include <string>
#include <vector>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"
#include "formats/Document.h"
#include "formats/ReadResult.h"

namespace tw {

// Word's figures for a word-processing document: the main text with its tables, footnotes and
// endnotes; the text boxes and autoshapes at the top level or one group deep; and, with "Count
// in headers and footers", the primary header and footer every section shows. Comments, charts,
// diagrams and hidden text count only when their content switch is on.
FileCounts CountWordDocument(const Document& document, const CountOptions& options);

// The segments of the text CountWordDocument counts, headers and footers left out (their words
// count as new).
std::vector<SegmentWords> WordDocumentSegments(const Document& document,
                                               const CountOptions& options);

// Reads and counts a .doc, .docx or .rtf file; a file that cannot be read fails with
// "Word - " and the reader's reason.
FileCountResult CountWordFile(const std::string& path, const CountOptions& options);
// Counts what a reader made of such a file, wherever it read it.
FileCountResult CountWordRead(const ReadResult& read, const CountOptions& options);

}  // namespace tw
