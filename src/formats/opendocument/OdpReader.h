#pragma once

#include <string>

#include "formats/Document.h"

namespace tw {

// Reads an OpenDocument presentation (.odp, .otp, .fodp) into the pieces the PowerPoint readers
// hand out: each text of each slide (frames, shapes, group members and table cells), the footer
// a slide shows, and the speaker notes. Throws ContainerError when it cannot be read.
Document ReadOdpDocument(const std::string& path);

}  // namespace tw
