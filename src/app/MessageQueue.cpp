#include "app/MessageQueue.h"

namespace tw {

void MessageQueue::Post(std::string text) {
  waiting_.push_back(std::move(text));
  if (!showing_) ShowWaiting();
}

MessageAnswer MessageQueue::Ask(const std::string& text, MessageButtons buttons) {
  const bool outer = !showing_;
  showing_ = true;
  const MessageAnswer answer = service_.Show(text, buttons);
  if (outer) {
    showing_ = false;
    ShowWaiting();
  }
  return answer;
}

void MessageQueue::ShowWaiting() {
  showing_ = true;
  while (!waiting_.empty()) {
    const std::string text = std::move(waiting_.front());
    waiting_.pop_front();
    service_.Show(text);
  }
  showing_ = false;
}

}  // namespace tw
