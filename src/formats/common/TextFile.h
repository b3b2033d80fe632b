#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "formats/container/ContainerLimits.h"

namespace tw {

// The whole of a small text file as UTF-8: UTF-16 (with its byte-order mark) is converted, a
// UTF-8 mark dropped, and bytes that are not valid UTF-8 taken as Windows Latin-1 characters.
// Throws ReaderError when the file cannot be read or is larger than the limits allow, and
// ContainerError when it holds a NUL, as no text format does.
std::string ReadTextFileUtf8(const std::string& path, const ContainerLimits& limits = {});

// The same decoding of bytes already read.
std::string DecodedText(std::string bytes);

// The lines of a text, without their LF or CR LF ends; a last line without an end is kept.
std::vector<std::string_view> TextLines(std::string_view text);

// A whole XML file parsed like a package part (no DTDs, no entity expansion).
void LoadXmlFile(pugi::xml_document& document, const std::string& path,
                 const ContainerLimits& limits = {}, bool keepBlankText = false);

}  // namespace tw
