#include "automation/pdf/PdfServer.h"

#include <algorithm>

#include "automation/pdf/PopplerAVDoc.h"
#include "automation/pdf/PopplerHiliteList.h"
#include "automation/pdf/PopplerPdfApp.h"

namespace tw {

std::shared_ptr<PdfDocumentSession> PdfServer::NewDocument() {
  auto document = std::make_shared<PdfDocumentSession>(limits_);
  const std::lock_guard lock(mutex_);
  std::erase_if(documents_, [](const auto& weak) { return weak.expired(); });
  documents_.push_back(document);
  return document;
}

void PdfServer::CloseAllDocs() {
  std::vector<std::shared_ptr<PdfDocumentSession>> open;
  {
    const std::lock_guard lock(mutex_);
    for (const auto& weak : documents_) {
      if (auto document = weak.lock()) open.push_back(std::move(document));
    }
  }
  for (const auto& document : open) document->Close();
}

void RegisterPdfServers(ServerRegistry& registry, PdfHelperLimits limits) {
  auto server = std::make_shared<PdfServer>(limits);
  registry.Register(kPdfAppProgId, [server] { return std::make_unique<PopplerPdfApp>(server); });
  registry.Register(kAVDocProgId, [server] { return std::make_unique<PopplerAVDoc>(server); });
  registry.Register(kHiliteListProgId, [] { return std::make_unique<PopplerHiliteList>(); });
}

}  // namespace tw
