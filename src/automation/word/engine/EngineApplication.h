#pragma once

#include "automation/word/engine/EngineState.h"
#include "automation/word/model/Application.h"

namespace tw::engine {

// Our own "Word.Application". It has no window, so the window settings only check that it is
// still running.
class EngineApplication : public word::Application {
 public:
  void SetVisible(bool) override { state_->CheckRunning(); }
  void SetWindowState(int) override { state_->CheckRunning(); }
  void SetScreenUpdating(bool) override { state_->CheckRunning(); }
  std::unique_ptr<word::Documents> Documents() override;
  void Quit(int, int, int) override { state_->Quit(); }
  void SetLegacyByteRules(bool legacy) override { state_->legacyByteRules = legacy; }

 private:
  StatePtr state_ = std::make_shared<EngineState>();
};

}  // namespace tw::engine
