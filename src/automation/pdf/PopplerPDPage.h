#pragma once

#include <memory>

#include "automation/pdf/PDPage.h"
#include "automation/pdf/PdfPageText.h"

namespace tw {

// A page of the poppler-backed server, holding the words its helper delivered.
class PopplerPDPage : public PDPage {
 public:
  explicit PopplerPDPage(std::shared_ptr<const PdfPageText> text) : text_(std::move(text)) {}

  // Selects every word of the page (see PopplerHiliteList).
  std::unique_ptr<PDTextSelect> CreateWordHilite(HiliteList& hilites) override;

 private:
  std::shared_ptr<const PdfPageText> text_;
};

}  // namespace tw
