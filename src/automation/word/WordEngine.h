#pragma once

#include <memory>

#include "automation/word/WordObjectModel.h"

namespace tw {

// Our own "Word.Application": the object model over the document model that the readers fill.
std::unique_ptr<word::Application> CreateWordEngine();

}  // namespace tw
