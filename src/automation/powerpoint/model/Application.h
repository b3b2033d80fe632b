#pragma once

#include <cstdint>
#include <memory>

#include "automation/ServerRegistry.h"
#include "automation/powerpoint/model/Presentations.h"

namespace tw::powerpoint {

// The server, created as "Powerpoint.Application".
class Application : public AutomationObject {
 public:
  virtual void SetVisible(int32_t visible) = 0;
  virtual void SetWindowState(int32_t state) = 0;
  virtual std::unique_ptr<powerpoint::Presentations> Presentations() = 0;
  virtual void Quit() = 0;
};

}  // namespace tw::powerpoint
