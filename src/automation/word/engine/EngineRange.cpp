#include "automation/word/engine/EngineRange.h"

namespace tw::engine {

int32_t EngineRange::ComputeStatistics(int statistic) {
  document_->Model();  // fails once the document is closed
  return WordTextStatistics::Of(text_, document_->LegacyByteRules()).Statistic(statistic);
}

}  // namespace tw::engine
