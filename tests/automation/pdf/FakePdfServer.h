#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/ServerRegistry.h"
#include "automation/pdf/AVDoc.h"
#include "automation/pdf/HiliteList.h"
#include "automation/pdf/PdfApp.h"

namespace tw::test {

// A PDF server that serves documents given page by page as text items and logs every call, in
// order, as "Open /a.pdf ''", "GoTo 1", "GetText 0" and so on.
class FakePdfServer {
 public:
  using Page = std::vector<std::u16string>;

  std::vector<std::string> log;
  // Documents by path; a path that is not here cannot be opened.
  std::map<std::string, std::vector<Page>> documents;
  // Per-call failures: the call named throws AutomationError(source, description).
  std::map<std::string, AutomationError> failures;
  // Runs on every GetPage, with the page the view is on.
  std::function<void(long page)> onGetPage;

  bool appAvailable = true;
  bool avDocAvailable = true;
  bool hiliteListAvailable = true;

  void Register(ServerRegistry& registry);

  // Logs the call and throws when a failure is set for it.
  void Call(const std::string& entry, const std::string& name);
};

}  // namespace tw::test
