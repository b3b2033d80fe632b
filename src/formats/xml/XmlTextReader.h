#pragma once

#include <pugixml.hpp>
#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads an XML file's text: one Block piece per text node (CDATA included) that holds more than
// white space. Attribute values, comments and processing instructions are not text. A file that
// is not well-formed XML is an error that names the file and says why.
ReadResult ReadXmlText(const std::string& path);

// The text nodes under `root` as pieces, `depthLimit` elements deep at most.
Document XmlTextPieces(pugi::xml_node root, int depthLimit);

}  // namespace tw
