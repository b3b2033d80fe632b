#include "automation/ServerRegistry.h"
#include "automation/pdf/PdfServer.h"
#include "automation/powerpoint/PowerPointEngine.h"
#include "automation/word/WordEngine.h"

namespace tw {

void RegisterStandardServers(ServerRegistry& registry) {
  // Each document engine adds its identifiers here as it lands.
  RegisterPdfServers(registry);
  registry.Register("Word.Application", [] { return CreateWordEngine(); });
  registry.Register("Powerpoint.Application", [] { return CreatePowerPointEngine(); });
}

}  // namespace tw
