#pragma once

#include <pugixml.hpp>

namespace tw {

// The readers match WordprocessingML by the prefixes word processors use ("w:p", "wps:wsp",
// "v:shape"). A part that binds those namespaces (transitional or strict) to other prefixes, or
// makes one its default namespace, has its element and attribute names, and the prefixes an
// mc:Choice requires, rewritten to the usual ones. Only the root element's declarations are
// looked at, which is where writers put them.
void NormalizeNamespacePrefixes(pugi::xml_document& part);

}  // namespace tw
