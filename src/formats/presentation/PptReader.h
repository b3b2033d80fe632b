#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/Document.h"
#include "formats/container/ContainerLimits.h"

namespace tw::powerpoint {

// Reads a PowerPoint 97-2003 presentation from its compound file: for each slide a SlideShape
// piece per shape with a text frame in z-order (group members one level deeper), then its
// SlideFooter piece; then, when the deck has a title master, a TitleMaster piece per top-level
// shape of it with a text frame. Throws ContainerError when the file or its records cannot be
// read.
Document ReadPpt(const std::string& path, ContainerLimits limits = {});

// The same from the "Current User" and "PowerPoint Document" streams already in memory.
Document ReadPptStreams(std::span<const uint8_t> currentUser, std::span<const uint8_t> document,
                        ContainerLimits limits = {});

}  // namespace tw::powerpoint
