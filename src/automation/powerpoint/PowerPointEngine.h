#pragma once

#include <memory>

#include "automation/powerpoint/PowerPointObjectModel.h"

namespace tw {

// Our own "Powerpoint.Application": opens .pptx and .ppt files with the readers and hands out
// their slides, shapes and texts through PowerPoint's object model.
std::unique_ptr<powerpoint::Application> CreatePowerPointEngine();

}  // namespace tw
