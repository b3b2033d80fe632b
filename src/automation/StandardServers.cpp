#include "automation/ServerRegistry.h"

namespace tw {

void RegisterStandardServers(ServerRegistry& registry) {
  // Each document engine adds its identifiers here as it lands.
  (void)registry;
}

}  // namespace tw
