#pragma once

#include <memory>

#include "automation/pdf/PDDoc.h"
#include "automation/pdf/PdfDocumentSession.h"

namespace tw {

// An open document of the poppler-backed server.
class PopplerPDDoc : public PDDoc {
 public:
  explicit PopplerPDDoc(std::shared_ptr<PdfDocumentSession> document)
      : document_(std::move(document)) {}

  void Close() override { document_->Close(); }
  long GetNumPages() override { return document_->PageCount(); }

 private:
  std::shared_ptr<PdfDocumentSession> document_;
};

}  // namespace tw
