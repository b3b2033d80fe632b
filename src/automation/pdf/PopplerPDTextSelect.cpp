#include "automation/pdf/PopplerPDTextSelect.h"

#include "automation/AutomationError.h"

namespace tw {

std::u16string PopplerPDTextSelect::GetText(long index) {
  if (index < 0 || static_cast<size_t>(index) >= text_->ItemCount()) {
    throw AutomationError("PDTextSelect", "There is no text item " + std::to_string(index));
  }
  return std::u16string(text_->Item(static_cast<size_t>(index)));
}

}  // namespace tw
