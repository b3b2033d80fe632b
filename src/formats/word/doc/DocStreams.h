#pragma once

#include <cstdint>
#include <span>

#include "formats/Document.h"
#include "formats/word/doc/DocBytes.h"

namespace tw {

// Reads a .doc document from its two streams already taken out of the compound file: the
// WordDocument stream and the table stream its FIB names. Throws DocError saying why it cannot.
Document ReadDocStreams(std::span<const uint8_t> wordDocument, std::span<const uint8_t> table);

}  // namespace tw
