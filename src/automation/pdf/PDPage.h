#pragma once

#include <memory>

#include "automation/pdf/HiliteList.h"
#include "automation/pdf/PDTextSelect.h"

namespace tw {

// One page of an open document. Failed calls throw AutomationError.
class PDPage {
 public:
  virtual ~PDPage() = default;
  // The words of the page that the highlight list asks for, as text items.
  virtual std::unique_ptr<PDTextSelect> CreateWordHilite(HiliteList& hilites) = 0;
};

}  // namespace tw
