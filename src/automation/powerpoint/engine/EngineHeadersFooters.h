#pragma once

#include "automation/powerpoint/engine/EngineSupport.h"
#include "automation/powerpoint/model/HeadersFooters.h"

namespace tw::powerpoint {

// A slide's headers and footers.
class EngineHeadersFooters : public powerpoint::HeadersFooters {
 public:
  EngineHeadersFooters(ModelPtr model, const SlideModel& slide)
      : model_(std::move(model)), slide_(slide) {}
  std::unique_ptr<powerpoint::HeaderFooter> Footer() override;

 private:
  ModelPtr model_;
  const SlideModel& slide_;
};

}  // namespace tw::powerpoint
