#pragma once

#include <string>

#include "automation/powerpoint/PresentationModel.h"

namespace tw::powerpoint {

// Reads a .pptx or .ppt file, told apart by their first bytes rather than by name. Throws
// std::runtime_error (ContainerError for the containers) saying why a file cannot be read.
PresentationModel ReadPresentation(const std::string& path);

}  // namespace tw::powerpoint
