#pragma once

#include <memory>

#include "automation/pdf/PDPage.h"

namespace tw {

// The page view of a document view. Failed calls throw AutomationError.
class AVPageView {
 public:
  virtual ~AVPageView() = default;
  // Moves to page `page`, 0 for the first page.
  virtual void GoTo(long page) = 0;
  // The page the view is on.
  virtual std::unique_ptr<PDPage> GetPage() = 0;
};

}  // namespace tw
