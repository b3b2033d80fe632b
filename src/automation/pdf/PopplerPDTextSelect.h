#pragma once

#include <memory>
#include <string>

#include "automation/pdf/PDTextSelect.h"
#include "automation/pdf/PdfTextItems.h"

namespace tw {

// A word selection of the poppler-backed server.
class PopplerPDTextSelect : public PDTextSelect {
 public:
  explicit PopplerPDTextSelect(std::shared_ptr<const PdfTextItems> items)
      : items_(std::move(items)) {}

  long GetNumText() override { return static_cast<long>(items_->size()); }
  std::u16string GetText(long index) override;

 private:
  std::shared_ptr<const PdfTextItems> items_;
};

}  // namespace tw
