#include "automation/pdf/PopplerPDTextSelect.h"

#include "automation/AutomationError.h"

namespace tw {

std::u16string PopplerPDTextSelect::GetText(long index) {
  if (index < 0 || static_cast<size_t>(index) >= items_->size()) {
    throw AutomationError("PDTextSelect", "There is no text item " + std::to_string(index));
  }
  return (*items_)[static_cast<size_t>(index)];
}

}  // namespace tw
