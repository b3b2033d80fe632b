#include "automation/powerpoint/engine/EnginePresentations.h"

#include <exception>
#include <new>

#include "automation/powerpoint/PresentationReader.h"
#include "automation/powerpoint/engine/EnginePresentation.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Presentation> EnginePresentations::Open(const std::string& fileName,
                                                                    int32_t, int32_t, int32_t) {
  // Read-only, untitled and with-window change nothing here: nothing is shown or saved.
  try {
    return std::make_unique<EnginePresentation>(
        std::make_shared<const PresentationModel>(ReadPresentation(fileName)));
  } catch (const std::bad_alloc&) {
    FailCall("not enough memory to open " + fileName);
  } catch (const std::exception& error) {
    FailCall("cannot open " + fileName + ": " + error.what());
  }
}

}  // namespace tw::powerpoint
