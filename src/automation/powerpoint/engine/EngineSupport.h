#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/powerpoint/PresentationModel.h"

namespace tw::powerpoint {

// Every engine object holds the presentation model, as an automation reference keeps its server
// object alive.
using ModelPtr = std::shared_ptr<const PresentationModel>;

[[noreturn]] inline void FailCall(const std::string& why) {
  throw AutomationError("PowerPoint", why);
}

// Item `index` (from 1) of a collection, or a failed call.
template <class T>
const T& ItemAt(const std::vector<T>& items, int32_t index) {
  if (index < 1 || static_cast<size_t>(index) > items.size()) {
    FailCall("the index into the collection is out of bounds");
  }
  return items[static_cast<size_t>(index - 1)];
}

inline int32_t CountOf(size_t size) {
  return static_cast<int32_t>(size);
}

}  // namespace tw::powerpoint
