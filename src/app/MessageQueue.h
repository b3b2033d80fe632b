#pragma once

#include <deque>
#include <string>

#include "counting/MessageService.h"

namespace tw {

// Shows the window's message boxes one at a time. A box runs its own event loop, so reports of a
// count run arrive while one is open; their messages wait here and appear, in order, after the
// open box has been answered, never one box on top of another.
class MessageQueue {
 public:
  explicit MessageQueue(MessageService& service) : service_(service) {}

  // A notice with an OK button: shown now, or after the box that is open.
  void Post(std::string text);
  // A question needs its answer now; notices that arrive while it is open wait for it.
  MessageAnswer Ask(const std::string& text, MessageButtons buttons);
  // Forgets the notices still waiting (the window is going away).
  void DiscardWaiting() { waiting_.clear(); }
  bool IsShowing() const { return showing_; }
  MessageService& Service() { return service_; }

 private:
  void ShowWaiting();

  MessageService& service_;
  std::deque<std::string> waiting_;
  bool showing_ = false;
};

}  // namespace tw
