#pragma once

#include <atomic>

#include <QObject>

#include "counting/CountHost.h"

namespace tw {

// The count host the worker thread counts with. Every call is carried to the window thread and
// waits there (blocking queued), so rows, headers, controls and message boxes are only touched by
// the window thread, in the order the counters make the calls. Called on the window thread itself
// it calls straight through.
class GuiCountHost : public CountHost {
 public:
  // `target` is the window's own host; `windowObject` lives on the window thread.
  GuiCountHost(CountHost& target, QObject* windowObject);

  // After this no call reaches the window any more: writes are dropped, reads give empty values.
  // The window detaches before it goes away.
  void Detach() { detached_.store(true); }

  int RowCount() override;
  std::string CellText(int row, int column) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetHeaderText(int column, const std::string& text) override;
  std::string PricingText() override;
  CurrentValues ControlValues() override;
  void TakeCurrentValuesFromControls(CurrentValues& current) override;
  void SetCountControlsEnabled(bool enabled) override;
  MessageService& Messages() override { return messages_; }
  void CountingFile(const std::string& path, int row, int number, int total) override;
  void CountingFinished() override;

 private:
  class Messenger : public MessageService {
   public:
    explicit Messenger(GuiCountHost& host) : host_(host) {}
    MessageAnswer Show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;

   private:
    GuiCountHost& host_;
  };

  // Runs `call` on the window thread and waits for it; false when detached.
  template <class Call>
  bool OnWindowThread(Call&& call);

  CountHost& target_;
  QObject* window_;  // outlives every call: the window detaches before it goes
  std::atomic<bool> detached_{false};
  Messenger messages_{*this};
};

}  // namespace tw
