#pragma once

#include "automation/ServerRegistry.h"

namespace tw {

// The PDF application ("AcroExch.App"). Failed calls throw AutomationError.
class PdfApp : public AutomationObject {
 public:
  // Closes every open document and quits the application.
  virtual void Exit() = 0;
  // Closes every document the application has open.
  virtual void CloseAllDocs() = 0;
};

}  // namespace tw
