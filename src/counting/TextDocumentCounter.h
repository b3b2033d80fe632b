#pragma once

#include <string>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"
#include "counting/FileTypes.h"
#include "formats/Document.h"
#include "formats/isolation/DocumentFormat.h"

namespace tw {

// The counts of a document without pages or layout (spreadsheets, bilingual files, catalogues,
// subtitles, Markdown and the rest): every cell, segment, cue or block of text judged by the
// plain-text rules on its own, so a word never runs from one cell into the next. Comments count
// with the comments switch, hidden sheets with the hidden switch.
FileCounts CountTextDocument(const Document& document, const CountOptions& options);

// Reads a file of one of those batches with its reader and counts it; a file that cannot be read
// fails with the reader's reason, which names the file.
FileCountResult CountTextDocumentFile(CounterKind kind, const std::string& path,
                                      const CountOptions& options);
// Which reader reads a file of one of those batches.
DocumentFormat TextDocumentFormatOf(CounterKind kind, const std::string& path,
                                    const CountOptions& options);
// Counts what a reader made of such a file, wherever it read it.
FileCountResult CountTextDocumentRead(const ReadResult& read, const CountOptions& options);

}  // namespace tw
