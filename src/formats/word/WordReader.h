#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads a Word document of any supported format (.docx, .doc, .rtf, and OpenDocument text as
// .odt, .ott or flat .fodt), told apart by its content as Word does: a ZIP package, a compound
// file, Rich Text or flat OpenDocument XML. The document's pieces: the body
// (tables included), footnotes and endnotes, each section's own headers and footers, and the
// text boxes and shapes. The error says why a file cannot be read: missing, not a Word
// document, damaged, password-protected, or an older format.
ReadResult ReadWordDocument(const std::string& path);

}  // namespace tw
