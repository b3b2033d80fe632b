#include "automation/pdf/PopplerAVPageView.h"

#include <string>

#include "automation/AutomationError.h"
#include "automation/pdf/PopplerPDPage.h"

namespace tw {

void PopplerAVPageView::GoTo(long page) {
  if (page < 0 || page >= document_->PageCount()) {
    throw AutomationError("AVPageView", "There is no page " + std::to_string(page + 1));
  }
  page_ = page;
}

std::unique_ptr<PDPage> PopplerAVPageView::GetPage() {
  return std::make_unique<PopplerPDPage>(document_->Page(page_));
}

}  // namespace tw
