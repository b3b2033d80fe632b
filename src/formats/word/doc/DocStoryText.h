#pragma once

#include <string>
#include <string_view>

namespace tw {

// Turns the raw characters of a .doc story into the text a reader of the document sees: a field
// shows its result (its code, from 0x13 to 0x14, is left out; a field without a result shows
// nothing), paragraph marks, cell and row ends and breaks become the model's break, the
// non-breaking hyphen becomes U+2011, and optional hyphens, object anchors, note reference marks
// and other control characters are left out.
std::u16string DocStoryText(std::u16string_view raw);

}  // namespace tw
