#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "automation/ServerRegistry.h"
#include "automation/word/model/Documents.h"

namespace tw::word {

// The Word application, created by the server registry as "Word.Application".
class Application : public AutomationObject {
 public:
  virtual void SetVisible(bool visible) = 0;
  virtual void SetWindowState(int state) = 0;
  virtual void SetScreenUpdating(bool updating) = 0;
  virtual std::unique_ptr<word::Documents> Documents() = 0;
  virtual void Quit(int saveChanges, int originalFormat, int routeDocument) = 0;

  // Our engine's own setting, not an automation member: judge characters by the low byte of
  // each UTF-16 unit, as the legacy figures were made. Servers without it ignore it.
  virtual void SetLegacyByteRules(bool legacy) { (void)legacy; }
};

}  // namespace tw::word
