#pragma once

#include <memory>

#include "automation/pdf/PdfApp.h"
#include "automation/pdf/PdfServer.h"

namespace tw {

// The application of the poppler-backed PDF server.
class PopplerPdfApp : public PdfApp {
 public:
  explicit PopplerPdfApp(std::shared_ptr<PdfServer> server) : server_(std::move(server)) {}

  // Nothing outlives the objects themselves, so quitting is closing every document.
  void Exit() override { server_->CloseAllDocs(); }
  void CloseAllDocs() override { server_->CloseAllDocs(); }

 private:
  std::shared_ptr<PdfServer> server_;
};

}  // namespace tw
