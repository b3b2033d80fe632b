#include "automation/powerpoint/engine/EnginePresentation.h"

#include "automation/powerpoint/engine/EngineMaster.h"
#include "automation/powerpoint/engine/EngineSlides.h"

namespace tw::powerpoint {

std::unique_ptr<powerpoint::Slides> EnginePresentation::Slides() {
  return std::make_unique<EngineSlides>(OpenModel());
}

int32_t EnginePresentation::HasTitleMaster() {
  return OpenModel()->hasTitleMaster ? 1 : 0;
}

std::unique_ptr<powerpoint::Master> EnginePresentation::TitleMaster() {
  if (!OpenModel()->hasTitleMaster) FailCall("the presentation has no title master");
  return std::make_unique<EngineMaster>(model_);
}

const ModelPtr& EnginePresentation::OpenModel() const {
  if (!model_) FailCall("the presentation has been closed");
  return model_;
}

}  // namespace tw::powerpoint
