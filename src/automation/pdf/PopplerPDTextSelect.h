#pragma once

#include <memory>
#include <string>

#include "automation/pdf/PDTextSelect.h"
#include "automation/pdf/PdfPageText.h"

namespace tw {

// A word selection of the poppler-backed server.
class PopplerPDTextSelect : public PDTextSelect {
 public:
  explicit PopplerPDTextSelect(std::shared_ptr<const PdfPageText> text) : text_(std::move(text)) {}

  long GetNumText() override { return static_cast<long>(text_->ItemCount()); }
  std::u16string GetText(long index) override;

 private:
  std::shared_ptr<const PdfPageText> text_;
};

}  // namespace tw
