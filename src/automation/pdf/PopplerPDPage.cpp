#include "automation/pdf/PopplerPDPage.h"

#include "automation/AutomationError.h"
#include "automation/pdf/PopplerHiliteList.h"
#include "automation/pdf/PopplerPDTextSelect.h"

namespace tw {

std::unique_ptr<PDTextSelect> PopplerPDPage::CreateWordHilite(HiliteList& hilites) {
  if (dynamic_cast<PopplerHiliteList*>(&hilites) == nullptr) {
    throw AutomationError("PDPage", "The highlight list belongs to another server");
  }
  return std::make_unique<PopplerPDTextSelect>(text_);
}

}  // namespace tw
