#pragma once

#include <string>

#include "counting/CountOptions.h"
#include "counting/FileCountResult.h"
#include "formats/Document.h"
#include "formats/ReadResult.h"

namespace tw {

// The counts of a PDF's pages: each page's text, closed by a line break so no word runs into the
// next page, judged with every character above the blank joining a word, whatever the
// extra-symbols option says.
FileCounts CountPdfDocument(const Document& document, const CountOptions& options);

// Reads and counts a PDF, testing `stop` before each page. A file that needs a password says so;
// any other failure is told as "Failed to open file " and the path.
FileCountResult CountPdfFile(const std::string& path, const CountOptions& options,
                             const StopFlag& stop);
// Counts what a reader made of the PDF at `path`, wherever it read it.
FileCountResult CountPdfRead(const ReadResult& read, const std::string& path,
                             const CountOptions& options);

}  // namespace tw
