#pragma once

#include <string>

#include "formats/ReadResult.h"
#include "formats/pdf/PdfHelperLimits.h"

namespace tw {

// Reads a PDF's pages in a helper process (so a crash or hang in the PDF library costs this file
// only): one PdfPage piece per page, its words joined in reading order. Tests `stop` before each
// page.
ReadResult ReadPdfDocument(const std::string& path, const StopFlag* stop = nullptr,
                           const PdfHelperLimits& limits = {});

}  // namespace tw
