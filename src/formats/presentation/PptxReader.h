#pragma once

#include <string>

#include "formats/container/ContainerLimits.h"
#include "formats/presentation/PresentationModel.h"

namespace tw::powerpoint {

// Reads an Office Open XML presentation: the slides the presentation part lists, in its order,
// with their shape trees. Throws ContainerError when the package or a part cannot be read.
PresentationModel ReadPptx(const std::string& path, ContainerLimits limits = {});

}  // namespace tw::powerpoint
