#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "automation/ServerRegistry.h"
#include "automation/pdf/PdfDocumentSession.h"

namespace tw {

// The identifiers the PDF objects are created by.
inline constexpr const char* kPdfAppProgId = "AcroExch.App";
inline constexpr const char* kAVDocProgId = "AcroExch.AVDoc";
inline constexpr const char* kHiliteListProgId = "AcroExch.HiliteList";

// What the objects of one PDF server share: the documents they have open, so that the
// application can close them all.
class PdfServer {
 public:
  explicit PdfServer(PdfHelperLimits limits = {}) : limits_(limits) {}

  std::shared_ptr<PdfDocumentSession> NewDocument();
  void CloseAllDocs();

 private:
  std::mutex mutex_;
  PdfHelperLimits limits_;
  std::vector<std::weak_ptr<PdfDocumentSession>> documents_;
};

// Registers the application, document view and highlight list over one shared server.
void RegisterPdfServers(ServerRegistry& registry, PdfHelperLimits limits = {});

}  // namespace tw
