#include "count/CounterFactory.h"
#include "count/HtmlCounter.h"
#include "count/PdfCounter.h"
#include "count/PowerPointCounter.h"
#include "count/TextCounter.h"
#include "count/UnavailableServerCounter.h"
#include "count/WordCounter.h"

namespace tw {

std::unique_ptr<Counter> StandardCounterFactory::Create(CounterKind kind, CountHost& host,
                                                        CountContext& context) const {
  switch (kind) {
    case CounterKind::Text:
      return std::make_unique<TextCounter>(host, context);
    case CounterKind::Html:
      return std::make_unique<HtmlCounter>(host, context);
    case CounterKind::Word:
      return std::make_unique<WordCounter>(host, context);
    case CounterKind::PowerPoint:
      return std::make_unique<PowerPointCounter>(host, context);
    case CounterKind::Pdf:
      return std::make_unique<PdfCounter>(host, context);
  }
  return nullptr;
}

}  // namespace tw
