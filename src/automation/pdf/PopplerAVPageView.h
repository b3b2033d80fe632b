#pragma once

#include <memory>

#include "automation/pdf/AVPageView.h"
#include "automation/pdf/PdfDocumentSession.h"

namespace tw {

// The page view of the poppler-backed server.
class PopplerAVPageView : public AVPageView {
 public:
  explicit PopplerAVPageView(std::shared_ptr<PdfDocumentSession> document)
      : document_(std::move(document)) {}

  void GoTo(long page) override;
  // Takes the page's words from the helper; a helper that fails here fails the call.
  std::unique_ptr<PDPage> GetPage() override;

 private:
  std::shared_ptr<PdfDocumentSession> document_;
  long page_ = 0;
};

}  // namespace tw
