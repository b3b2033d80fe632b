#include "automation/AutomationError.h"

namespace tw {

std::string FormatAutomationError(const AutomationError& error) {
  std::string text;
  if (!error.Source().empty()) text = error.Source() + " - ";
  text += error.Description().empty() ? "unknown error" : error.Description();
  return text;
}

}  // namespace tw
