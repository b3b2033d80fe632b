#include "automation/pdf/PopplerAVDoc.h"

#include "automation/AutomationError.h"
#include "automation/pdf/PopplerAVPageView.h"
#include "automation/pdf/PopplerPDDoc.h"

namespace tw {

long PopplerAVDoc::Open(const std::string& path, const std::string& title) {
  (void)title;  // the view is never shown, so it has no title to show
  if (document_) document_->Close();
  document_ = server_->NewDocument();
  return document_->Open(path) ? 1 : 0;
}

std::shared_ptr<PdfDocumentSession> PopplerAVDoc::OpenDocument() const {
  if (!document_ || !document_->IsOpen()) {
    throw AutomationError("AVDoc", "No document is open in this view");
  }
  return document_;
}

std::unique_ptr<PDDoc> PopplerAVDoc::GetPDDoc() {
  return std::make_unique<PopplerPDDoc>(OpenDocument());
}

std::unique_ptr<AVPageView> PopplerAVDoc::GetAVPageView() {
  return std::make_unique<PopplerAVPageView>(OpenDocument());
}

}  // namespace tw
