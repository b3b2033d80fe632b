#pragma once

#include <functional>
#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Hands over each page as soon as it is read, instead of keeping it in the document.
using PageSink = std::function<void(TextPiece&& page)>;

// Reads a PDF's pages with poppler in this process: one PdfPage piece per page, its words joined
// in reading order. Tests `stop` before each page. With a `sink`, the pages go there one by one
// and the document returned holds none (the reader helper sends them on as they come).
ReadResult ReadPdfDocument(const std::string& path, const StopFlag* stop = nullptr,
                           const PageSink& sink = {});

}  // namespace tw
