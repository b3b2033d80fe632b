#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an OpenDocument spreadsheet (.ods, .ots, .fods): one SheetCell piece per cell holding
// text, sheet by sheet, a repeated cell once for each time it is shown; cell comments as Comment
// pieces; a hidden sheet's pieces marked hidden. Numbers, dates and other typed values, and
// cells computed by a formula, are not text. Throws ContainerError when it cannot be read.
Document ReadOdsDocument(const std::string& path);

}  // namespace tw
