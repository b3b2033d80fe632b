#pragma once

#include "automation/powerpoint/model/Presentations.h"

namespace tw::powerpoint {

// Opens .pptx and .ppt files with the readers; a file they cannot read fails the call, saying
// why.
class EnginePresentations : public powerpoint::Presentations {
 public:
  std::unique_ptr<powerpoint::Presentation> Open(const std::string& fileName, int32_t readOnly,
                                                 int32_t untitled, int32_t withWindow) override;
};

}  // namespace tw::powerpoint
