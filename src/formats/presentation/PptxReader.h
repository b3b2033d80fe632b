#pragma once

#include <string>

#include "formats/Document.h"
#include "formats/container/ContainerLimits.h"

namespace tw::powerpoint {

// Reads an Office Open XML presentation: for each slide the presentation part lists, in its order,
// a SlideShape piece per shape with a text frame in z-order (group members one level deeper, table
// cells row by row), then the slide's SlideFooter piece. Throws ContainerError when the package or
// a part cannot be read.
Document ReadPptx(const std::string& path, ContainerLimits limits = {});

}  // namespace tw::powerpoint
