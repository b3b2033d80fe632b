#pragma once

#include <stdexcept>
#include <string>

namespace tw {

// A call that an automation server failed. The only exception that crosses the automation
// boundary; the counter that made the call catches it.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(std::string source, std::string description)
      : std::runtime_error(description),
        source_(std::move(source)),
        description_(std::move(description)) {}

  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  std::string source_;
  std::string description_;
};

// The text of the error box for a failed call: the source and " - " when there is a source, then
// the description, or "unknown error" when there is none.
std::string FormatAutomationError(const AutomationError& error);

}  // namespace tw
