#pragma once

#include <memory>
#include <string>

#include "automation/pdf/AVDoc.h"
#include "automation/pdf/PdfServer.h"

namespace tw {

// The document view of the poppler-backed server: each Open reads the file in a fresh helper.
class PopplerAVDoc : public AVDoc {
 public:
  explicit PopplerAVDoc(std::shared_ptr<PdfServer> server) : server_(std::move(server)) {}

  long Open(const std::string& path, const std::string& title) override;
  std::unique_ptr<PDDoc> GetPDDoc() override;
  std::unique_ptr<AVPageView> GetAVPageView() override;

 private:
  std::shared_ptr<PdfDocumentSession> OpenDocument() const;

  std::shared_ptr<PdfServer> server_;
  std::shared_ptr<PdfDocumentSession> document_;
};

}  // namespace tw
