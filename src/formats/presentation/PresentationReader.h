#pragma once

#include <string>

#include "formats/ReadResult.h"

namespace tw {

// Reads a presentation (.pptx, .ppt, or OpenDocument .odp, .otp, .fodp, told apart by
// content): the text of every shape of every slide in z-order (group members and table cells row
// by row included), its chart and diagram texts, each slide's footer, notes and comments (a hidden
// slide's pieces marked hidden) and the title master's text frames.
ReadResult ReadPresentation(const std::string& path);

}  // namespace tw
