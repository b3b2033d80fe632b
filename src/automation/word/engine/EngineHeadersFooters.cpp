#include "automation/word/engine/EngineHeadersFooters.h"

#include "automation/word/WordObjectModel.h"
#include "automation/word/engine/EngineHeaderFooter.h"

namespace tw::engine {

std::unique_ptr<word::HeaderFooter> EngineHeadersFooters::Item(int index) {
  const WordDocument& model = document_->Model();
  if (index < 1 || index > 3) Fail("The requested member of the collection does not exist.");
  std::u16string text;
  if (index == word::kHeaderFooterPrimary) {
    text = footers_ ? model.PrimaryFooter(section_) : model.PrimaryHeader(section_);
  }
  return std::make_unique<EngineHeaderFooter>(document_, std::move(text));
}

}  // namespace tw::engine
