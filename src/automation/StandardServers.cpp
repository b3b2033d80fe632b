#include "automation/ServerRegistry.h"
#include "automation/word/WordEngine.h"

namespace tw {

void RegisterStandardServers(ServerRegistry& registry) {
  // Each document engine adds its identifiers here as it lands.
  registry.Register("Word.Application", [] { return CreateWordEngine(); });
}

}  // namespace tw
