#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/Master.h"

namespace tw::powerpoint {

// The title master of a presentation that has one.
class EngineMaster : public powerpoint::Master {
 public:
  EngineMaster(ModelPtr model) : model_(std::move(model)) {}
  std::unique_ptr<powerpoint::Shapes> Shapes() override;

 private:
  ModelPtr model_;
};

}  // namespace tw::powerpoint
