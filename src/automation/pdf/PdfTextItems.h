#pragma once

#include <string>
#include <vector>

namespace tw {

// The words of one page in reading order, each followed by the separator that follows it on the
// page (a blank, a line break, or nothing), so that the items joined are the page's text.
using PdfTextItems = std::vector<std::u16string>;

}  // namespace tw
