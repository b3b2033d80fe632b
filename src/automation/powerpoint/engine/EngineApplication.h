#pragma once

#include "automation/powerpoint/model/Application.h"

namespace tw::powerpoint {

// Our own "Powerpoint.Application": there is no window to show or minimize.
class EngineApplication : public powerpoint::Application {
 public:
  void SetVisible(int32_t) override {}
  void SetWindowState(int32_t) override {}
  std::unique_ptr<powerpoint::Presentations> Presentations() override;
  void Quit() override {}
};

}  // namespace tw::powerpoint
