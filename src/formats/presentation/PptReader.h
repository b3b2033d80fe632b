#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/container/ContainerLimits.h"
#include "formats/presentation/PresentationModel.h"

namespace tw::powerpoint {

// Reads a PowerPoint 97-2003 presentation from its compound file. Throws ContainerError when the
// file or its records cannot be read.
PresentationModel ReadPpt(const std::string& path, ContainerLimits limits = {});

// The same from the "Current User" and "PowerPoint Document" streams already in memory.
PresentationModel ReadPptStreams(std::span<const uint8_t> currentUser,
                                 std::span<const uint8_t> document, ContainerLimits limits = {});

}  // namespace tw::powerpoint
