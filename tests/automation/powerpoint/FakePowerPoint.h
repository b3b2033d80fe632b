#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/ServerRegistry.h"
#include "automation/powerpoint/PowerPointObjectModel.h"
#include "automation/powerpoint/PresentationModel.h"

namespace tw::test {

// A recording stand-in for PowerPoint: presentations are scripted per path as presentation
// models; every member called is logged in order ("Shapes.Item(2)", "TextRange.Text", ...), and
// a hook sees each call right after it is logged, to raise a stop request or throw an
// AutomationError there.
class FakePowerPoint {
 public:
  std::map<std::string, powerpoint::PresentationModel> presentations;
  std::vector<std::string> log;
  std::function<void(const std::string& call)> onCall;

  // Registers the fake as "Powerpoint.Application"; every server created shares this state.
  void RegisterIn(ServerRegistry& registry);

  void Record(const std::string& call) {
    log.push_back(call);
    if (onCall) onCall(call);
  }
  // The log entries that start with `prefix`, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
};

}  // namespace tw::test
