#pragma once

#include "automation/ServerRegistry.h"

namespace tw {

// A highlight list ("AcroExch.HiliteList"): word ranges a word selection is made from.
class HiliteList : public AutomationObject {
 public:
  virtual void Add(short offset, short length) = 0;
};

}  // namespace tw
