#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Presentation.h"

namespace tw::powerpoint {

// An open presentation; after Close it refuses further calls, while the objects it handed out
// keep the model they refer to.
class EnginePresentation : public powerpoint::Presentation {
 public:
  explicit EnginePresentation(ModelPtr model) : model_(std::move(model)) {}
  std::unique_ptr<powerpoint::Slides> Slides() override;
  int32_t HasTitleMaster() override;
  std::unique_ptr<powerpoint::Master> TitleMaster() override;
  void Close() override { model_.reset(); }

 private:
  const ModelPtr& OpenModel() const;

  ModelPtr model_;
};

}  // namespace tw::powerpoint
