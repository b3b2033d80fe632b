#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an OpenDocument text (.odt, .ott, .fodt) into the pieces the Word readers hand out: the
// body, each table cell, the footnotes and the endnotes, the text frames and drawn shapes, the
// comments, and a header and footer for each page style the text uses, each page style a
// section. Throws ReaderError, naming the file, when it cannot be read.
Document ReadOdtDocument(const std::string& path);

}  // namespace tw
