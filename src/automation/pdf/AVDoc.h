#pragma once

#include <memory>
#include <string>

#include "automation/ServerRegistry.h"
#include "automation/pdf/AVPageView.h"
#include "automation/pdf/PDDoc.h"

namespace tw {

// A document view ("AcroExch.AVDoc"). Failed calls throw AutomationError.
class AVDoc : public AutomationObject {
 public:
  // Opens the file at `path` in this view; non-zero when the file is open.
  virtual long Open(const std::string& path, const std::string& title) = 0;
  // The open document.
  virtual std::unique_ptr<PDDoc> GetPDDoc() = 0;
  // The view's page view, which moves between the open document's pages.
  virtual std::unique_ptr<AVPageView> GetAVPageView() = 0;
};

}  // namespace tw
